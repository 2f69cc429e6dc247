// The field rules of the analysis window: binding, moving values, the check on leaving a field.
#include "analysis/ui/fanform.h"

#include <algorithm>

#include <QApplication>

#include "analysis/fieldrules.h"
#include "analysis/ui/analysisfield.h"
#include "data/messageservice.h"
#include "shell/appstate.h"

namespace {

constexpr int SystemDataFieldCount = 9; // A101 … A109
constexpr int FirstDutyField = 10;      // A110 is the duty at 100 % flow

} // namespace

void TFANFORM::BindParameterFields()
{
    ::BindParameterFields(m_state.parameters, m_state.messages, m_tags);
    for (int number = 1; number <= BoundFieldCount; ++number)
        parameterField(number)->setProperty("tag", m_tags[static_cast<size_t>(number - 1)]);
}

int TFANFORM::fieldNumber(const QWidget *widget) const
{
    const auto it = std::find(m_fields.begin(), m_fields.end(), widget);
    return it == m_fields.end() || !widget ? 0 : static_cast<int>(it - m_fields.begin()) + 1;
}

int TFANFORM::fieldTag(const QWidget *widget) const
{
    const int number = fieldNumber(widget);
    return number == 0 ? 0 : m_tags[static_cast<size_t>(number - 1)];
}

void TFANFORM::INITIALIZE_EDIT(AnalysisField *field, int direction)
{
    ParameterDefinition &definition = TaggedDefinition(fieldTag(field), m_state.parameters, m_state.messages);
    if (direction == 0) {
        field->setEnabled(true);
        field->setText(FieldText(definition.value, definition.step));
        field->update();
    } else {
        definition.value = StoredFieldValue(field->text(), definition);
    }
}

void TFANFORM::set_fields(int direction)
{
    for (AnalysisField *field : m_fields)
        INITIALIZE_EDIT(field, direction);
}

void TFANFORM::CheckRange(AnalysisField *field)
{
    const ParameterDefinition &definition = TaggedDefinition(fieldTag(field), m_state.parameters, m_state.messages);
    const RangeCheckOutcome outcome = CheckRangeOutcome(field->text(), definition);
    if (outcome.beep)
        m_state.messages.beep();
    field->setText(outcome.text);
    field->update();
    m_state.record.projectModified = true;
}

void TFANFORM::A110Exit(AnalysisField *field)
{
    CheckRange(field);
    ShowDutyTotal();
}

void TFANFORM::TEXTChange()
{
    m_state.record.projectModified = true;
}

void TFANFORM::commitFocusedField()
{
    // A button pressed by its key or by the program leaves the focus where it was: the field the
    // user is in gets its check before its value is used.
    auto *focused = qobject_cast<AnalysisField *>(QApplication::focusWidget());
    const int number = fieldNumber(focused);
    if (number == 0)
        return;
    if (number >= FirstDutyField)
        A110Exit(focused);
    else
        CheckRange(focused);
}

SystemDataTexts TFANFORM::systemDataTexts() const
{
    SystemDataTexts texts;
    for (int number = 1; number <= SystemDataFieldCount; ++number)
        texts.fields[static_cast<size_t>(number - 1)] = parameterField(number)->text();
    return texts;
}

DutyTexts TFANFORM::dutyFieldTexts() const
{
    DutyTexts texts;
    for (int step = 0; step < FlowStepCount; ++step)
        texts[static_cast<size_t>(step)] = parameterField(FirstDutyField + step)->text();
    return texts;
}
