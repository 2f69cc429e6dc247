#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

class MessageService;

// One numeric input of a project: its key (A1-01 …), limits, resolution and current value.
struct ParameterDefinition
{
    std::uint16_t position = 0;
    QChar groupLetter;
    QChar groupDigit;
    std::uint16_t number = 0;
    QString name;
    QString unit;
    float value = 0;
    float minimum = 0;
    float maximum = 0;
    float step = 1;
    std::uint8_t editKind = 0;

    // "A1-05": group letter, group digit, "-" and the number with two digits.
    QString key() const;
    // "A105": the name of the field that edits this parameter.
    QString fieldName() const;
};

// Decimals of a step as the project file writes them: 1, 10, 100, 1000, 10000 give 0 … 4, others 4.
int fileDecimals(float step);
// Decimals of a step as a field shows a value: up to 1 gives 0, up to 10 gives 1, … above 1000 gives 4.
int fieldDecimals(float step);
// Decimals of a step as a field check rewrites a value: 10000, 1000, 100, 10 give 4 … 1, others 0.
int rangeCheckDecimals(float step);

// The table of parameter definitions, addressed by position 1 … Capacity.
class ParameterTable
{
public:
    static constexpr int Capacity = 300;
    static constexpr int ProjectParameterCount = 19;

    // Validates and stores one definition; an invalid definition is fatal (message, program ends).
    void AddParameter(MessageService &messages, std::uint16_t position, QChar groupLetter, QChar groupDigit,
                      std::uint16_t number, const QString &name, const QString &unit, float defaultValue,
                      float minimum, float maximum, float step, std::uint8_t editKind);
    // Defines the nineteen parameters of a project in position order.
    void DefineParameters(MessageService &messages);
    // Empties the table (count 0).
    void clear();

    int count() const { return m_count; }
    // Definition at a position, or nullptr when none is stored there.
    ParameterDefinition *at(int position);
    const ParameterDefinition *at(int position) const;
    // Value of the definition at a position (0 when none).
    float value(int position) const;

private:
    std::array<std::optional<ParameterDefinition>, Capacity + 1> m_definitions{};
    int m_count = 0;
};

// Default values of the ten duty-cycle parameters, 100 % flow first.
inline constexpr std::array<int, 10> DefaultDutyCycle{1, 2, 9, 17, 24, 17, 13, 11, 6, 0};
