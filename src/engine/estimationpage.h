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
    static constexpr int FieldCount = 33;

    // The page title FLOWM is red by design; every other field starts black, visible and empty.
    EstimationPage();

    static const QStringList &fieldNames();
    // Position of a field in page order, or -1 for a name the page does not have.
    static int indexOf(const QString &name);

    PageField &field(const QString &name);
    const PageField &field(const QString &name) const;

    // Field by page-order position, 0 … FieldCount − 1.
    const PageField &at(int index) const { return m_fields[index]; }

private:
    std::array<PageField, FieldCount> m_fields{};
    PageField m_unknown; // answers a name the page does not have
};
