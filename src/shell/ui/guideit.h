#pragma once

#include <QDialog>

// The guide shown before a fan or pump project starts: the six steps of an estimation. The
// caller reads goOn() after it closes.
class TGuideIt final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGuideIt)

public:
    explicit TGuideIt(QWidget *parent = nullptr);
    ~TGuideIt() override;

    bool goOn() const { return m_goOn; }

    void BitBtn2Click();
    void ESCCANCELClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_goOn = false;
};
