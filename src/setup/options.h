#pragma once

#include <QString>

#include <array>

class SettingsStore;

// The six efficiency-factor tables, in load/save/reset order.
enum class EfficiencyTable { Vfd, Damper, InletVane, Valve, Custom1, Custom2 };
inline constexpr int EfficiencyTableCount = 6;
inline constexpr int FlowStepCount = 10;
using FactorTable = std::array<double, FlowStepCount>; // entry 0 is 100 % flow

// Item prefix of a table in section EFF ("VFDE", "DE", "IVE", "VAE", "C1E", "C2E").
QString tablePrefix(EfficiencyTable table);
// Item name of one entry: prefix and flow percentage, "DE50".
QString tableItem(EfficiencyTable table, int step);
// Built-in default text of one entry ("0.7683").
QString tableDefaultText(EfficiencyTable table, int step);
// A table entry as every field shows it: fixed notation with three decimals.
QString factorText(double factor);

// Program options held in memory for the whole run.
struct ProgramOptions
{
    std::array<FactorTable, EfficiencyTableCount> tables{};
    bool damperSelected = false;
    bool inletVaneSelected = false;
    bool valveSelected = false;
    bool custom1InUse = false;
    bool custom2InUse = false;
    QString custom1Title;
    QString custom2Title;
    std::array<bool, 7> flags{}; // L1 … L7 at index 0 … 6
    QString logoFileName;
    QString closingLine1;
    QString closingLine2;

    const FactorTable &table(EfficiencyTable t) const { return tables[static_cast<int>(t)]; }
    FactorTable &table(EfficiencyTable t) { return tables[static_cast<int>(t)]; }
    bool flag(int n) const { return flags[n - 1]; } // n = 1 … 7
    double driveEfficiency() const { return table(EfficiencyTable::Vfd)[0]; }
};

// The setup dialog's field contents. The preparer and company texts live only here: the report
// prints them as they stand in the dialog.
struct SetupFields
{
    std::array<std::array<QString, FlowStepCount>, EfficiencyTableCount> tables;
    QString customTitle1, customTitle2;
    bool damperSelect = false, inletVaneSelect = false, valveSelect = false;
    bool cust1Select = false, cust2Select = false;
    std::array<bool, 7> flags{}; // check boxes L1 … L7
    QString logoFileName;        // LOGOFILEN
    QString closingLine1, closingLine2;
    QString preparer; // PRBY
    QString company;  // CompanyInfo
};

// Store to memory: every option, plus the dialog's logo, closing-line, preparer and company fields.
// A table item that does not read as a number is rewritten with its default text.
bool Load_OPT(SettingsStore &store, ProgramOptions &options, SetupFields &fields);
// Dialog fields to store and memory.
bool Save_Opt(SettingsStore &store, const SetupFields &fields, ProgramOptions &options);
// Built-in tables into memory and the dialog's table fields; nothing is written to the store.
void ResetEfficiencyDefaults(ProgramOptions &options, SetupFields &fields);
// The dialog's fields as its show fills them from memory (check boxes, tables, titles, selections,
// logo, closing lines); the preparer and company texts are read from the store.
void FillSetupFields(SettingsStore &store, const ProgramOptions &options, SetupFields &fields);
// The repair made when a table field is left: read as a number, limited to 0 … 1, three decimals.
QString repairFactorField(const QString &text);
