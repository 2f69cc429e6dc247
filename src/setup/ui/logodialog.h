#pragma once

#include <functional>

#include <QDialog>
#include <QString>

class QLabel;
struct AppState;

// "Company Logo": shows the logo picture and lets the user pick another picture file. Works on the
// program's logo file name; the caller reads accepted() after the dialog closes.
class LogoDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LogoDialog)

public:
    // Asks the user for a picture file; an empty result means the choice was cancelled.
    using PictureChooser = std::function<QString(QWidget *parent)>;

    explicit LogoDialog(AppState &state, QWidget *parent = nullptr);
    ~LogoDialog() override;

    // True when the last opening ended with OK while a picture was loaded.
    bool accepted() const { return m_accepted; }
    bool pictureLoaded() const { return m_pictureLoaded; }
    // Replaces the file dialog (tests hand in a path).
    void setPictureChooser(PictureChooser chooser);

    void selectFile();
    void acceptLogo();
    void cancelLogo();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool loadPicture(const QString &fileName);

    AppState &m_state;
    QLabel *m_view = nullptr;
    PictureChooser m_chooser;
    QString m_savedLogoFileName;
    bool m_pictureLoaded = false;
    bool m_accepted = false;
};
