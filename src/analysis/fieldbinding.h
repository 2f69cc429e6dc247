#pragma once

#include <QString>

#include <array>

class MessageService;
class ParameterTable;
struct ParameterDefinition;

// How the nineteen numeric fields find their parameters: each field carries the position of its
// parameter in the table (its tag).

inline constexpr int BoundFieldCount = 19;
// The tag every field carries before binding.
inline constexpr int PlaceholderTag = 228;

// Tags of the fields A101 … A119, at index 0 … 18.
using FieldTags = std::array<int, BoundFieldCount>;

// "A101" … "A119" for numbers 1 … 19.
QString ParameterFieldName(int number);

// BindParameterFields: every definition of group "A1" gives the field of its number its position.
// A number outside 1 … 19 is fatal ("TAG NUMBER A1 NOT FOUND!"); other groups are skipped.
void BindParameterFields(const ParameterTable &table, MessageService &messages, FieldTags &tags);

// The definition a field's tag names. A tag of 0, or one naming no definition, is fatal
// ("LIST TAG NUMBER = 0"): the fixed layout is broken and no value can move.
ParameterDefinition &TaggedDefinition(int tag, ParameterTable &table, MessageService &messages);
