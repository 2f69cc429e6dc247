#pragma once

#include <QDialog>

class QLabel;

// "About Pelnix Veriro Zarired Uviduzudu": version, web site and support mail.
class AboutBox final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    explicit AboutBox(QWidget *parent = nullptr);
    ~AboutBox() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *m_version = nullptr;
    QLabel *m_url = nullptr;
};
