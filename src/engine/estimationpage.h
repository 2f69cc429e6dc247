#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One label or button of the "Energy Estimation" page: its text, whether it shows, and its colour.
struct PageField
{
    QString text;
    bool visible = true;
    bool red = false;
};

// The result fields of the estimation page by name (FLOWM, LINE1 … PAYBACKVALUE5), in page order.
// The analysis window binds its labels to it and the report copies from it.
class EstimationPage
{
public:
    static const QStringList &fieldNames();

    PageField &field(const QString &name);
    const PageField &field(const QString &name) const;

private:
    std::array<PageField, 39> m_fields{};
};
