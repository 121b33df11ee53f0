#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "protocol/Limits.h"
#include "protocol/Records.h"

// The editing rules of the input-line program lists, without widgets. A program appears to the
// operator as "节目" and its 1-based number, in the operator's language ("Program 3"); the
// table holds 0-based numbers.
namespace programio {

// Slots of one input line.
inline constexpr int MaxAssigned = 16;
// Programs a controller can hold; the list of all programs never shows more.
inline constexpr int MaxListed = nq::kMaxPrograms;
inline constexpr int LineCount = 6;

// "节目" followed by number + 1 (a number read from the controller may be any integer).
QString programName(int number);
// The 0-based number of a "节目<n>" text with n in 1..255 as programName writes it in the
// language installed, or nullopt for any other text.
std::optional<int> programNumber(const QString& name);

// The list of all programs for a controller reporting `count`: at most MaxListed, none when
// the count is negative.
QStringList controllerPrograms(int count);

// The programs of one line in list order. A count read from the controller outside 0..16 never
// reads past the entry's slots: a larger one shows the 16 slots, a negative one nothing.
QStringList linePrograms(const ProgramIoEntry& entry);

// Where ">>" puts a program into a line holding `held` entries with row `selected` chosen
// (-1 for none): directly after the chosen row, else at the end; nullopt when the line is full.
std::optional<int> assignRow(int held, int selected);

// Writes a line's list into its entry: the count and one slot per text in list order, slots
// beyond the count zeroed; nullopt then. A text that names no program 1..255 (a bad number read
// from the controller), or a 17th text, is returned instead and the entry is left untouched.
std::optional<QString> storeLine(ProgramIoEntry& entry, const QStringList& names);

}  // namespace programio
