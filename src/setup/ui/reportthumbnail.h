#pragma once

#include <QWidget>

// A small picture of a report page that shows where the company block (badge 1, top left) and the
// preparer block (badge 2, right) are printed.
class ReportThumbnail final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReportThumbnail)

public:
    explicit ReportThumbnail(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {150, 194}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A round numbered badge as used on the thumbnail, to stand beside the matching text field.
class NumberBadge final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumberBadge)
    Q_PROPERTY(int number READ number WRITE setNumber)

public:
    explicit NumberBadge(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {20, 20}; }
    int number() const { return m_number; }
    void setNumber(int number);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_number = 1;
};

// Draws a badge centred on `centre`.
void drawNumberBadge(class QPainter &painter, const QPointF &centre, qreal radius, int number);
