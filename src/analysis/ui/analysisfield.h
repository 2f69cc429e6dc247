#pragma once

#include <QLineEdit>

// A single-line field of the analysis window. Its maximum length limits what is typed or pasted,
// never a text the program puts in (a project file may hold longer texts). Numeric fields also
// swallow typed keys other than digits, "-", "." and backspace (pasted text passes).
class AnalysisField final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AnalysisField)

public:
    AnalysisField(const QString &name, int typedLimit, bool numeric, QWidget *parent = nullptr);

    int typedLimit() const { return m_typedLimit; }
    // Pastes the clipboard's text as far as the limit leaves room, as a native edit does.
    void pasteLimited();

signals:
    // The focus moved elsewhere inside the window (not a window switch or a popup).
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Characters that can still be typed, counting the selection as replaced.
    int room() const;

    int m_typedLimit;
    bool m_numeric;
};
