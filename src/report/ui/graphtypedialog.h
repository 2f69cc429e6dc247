#pragma once

#include <array>

#include <QDialog>

struct AppState;
class QFrame;

// Picks one of the six graph types by its picture; the choice takes effect on the click.
class GraphTypeDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GraphTypeDialog)

public:
    explicit GraphTypeDialog(AppState &state, QWidget *parent = nullptr);

    // Shows the frame of the current graph type only.
    void MarkGraphType();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectGraphType(int graphType);

    AppState &m_state;
    std::array<QFrame *, 6> m_shapes{};
};
