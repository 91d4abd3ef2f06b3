#pragma once

#include "platform/uiservice.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace pm {

// 80-bit extended reals of the original are long double (x87 on x86-64).
static_assert(sizeof(long double) >= 10 && __LDBL_MANT_DIG__ == 64,
              "Pelmark needs the x87 80-bit long double");

// Fixed: 1 = fixed-point text, any other value scientific. Digits: decimals.
struct TNumberFormat {
  std::uint8_t Fixed = 1;
  std::int16_t Digits = 1;
  friend bool operator==(const TNumberFormat&, const TNumberFormat&) = default;
};

// 1e99 stands for infinity everywhere; 9.99e99 marks a table cell that asks
// for a value. Both are long double literals so their 10-byte forms match
// the files the original wrote.
inline constexpr long double InfiniteValue = 1e99L;
inline constexpr long double EnterValueMarker = 9.99e99L;

// Message kinds 0..7 fix icon and buttons; any other kind shows nothing and
// returns None. Texts are cut at 255 characters for display only.
ModalResult ShowMessageKind(const QString& text, int kind, bool beep);
void BeepWarning();
// Shows the message (kind 0, with its beep), then focuses and selects the
// edit once the event loop runs (as RejectField, without a second beep).
void RefuseEdit(QLineEdit* edit, const QString& message);
// RefuseEdit with NotIntegerMessage of the edit's text.
void RefuseInteger(QLineEdit* edit);

QString ErrorNumberText(int code);       // "Error #103"
// "Error <code> was encountered while trying to write file <path>"
QString WriteErrorMessage(int code, const QString& path);
// "Error #<code>", then on a second line the file and the system's reason:
// "<path>: Permission denied".
QString SaveErrorMessage(int code, const QString& path);
// "Error <code> was encountered while trying to open file <path>"
QString OpenErrorMessage(int code, const QString& path);
// A text that cannot be saved: line (from 1) holds a character that has no
// Windows-1252 byte.
QString UnencodableLineMessage(int line, const QString& path);
QString IntToShortText(int value, int maxLength);

TNumberFormat ChooseNumberFormat(int Sig, long double X);
// Any value and format give a text: Digits counts as 0..17, NaN is "nan",
// infinities and +/- InfiniteValue are "inf" / "-inf", an exact -0 has no
// sign, and fixed values of magnitude 1e36 or more come out scientific.
std::string FormatNumber(TNumberFormat F, long double X);
// FormatNumber rounded away from the inside of a range: up for a minimum,
// down for a maximum, so the text read back still lies within the bound.
std::string FormatNumberOutward(TNumberFormat F, long double X, bool up);
long double RaiseToPower(int N, long double X);
// Callers pass X > 0 (else -inf or NaN, which CheckedTrunc still converts).
long double DecimalLog(long double X);

// Number syntax: leading spaces, optional sign, digits with an optional ".",
// optional exponent, nothing after; "." always the decimal point. A number
// too small for an extended reads as 0, one too large is no number.
bool TextToNumber(std::string_view text, long double* value);
// The same syntax read straight to a double, for bulk data: beyond the
// range of double is no number, too small reads as 0. In rare halfway
// cases the last bit may differ from TextToNumber narrowed to double.
bool TextToDouble(std::string_view text, double* value);
// The value (0 on failure) and the error position (0 on success).
long double TextToNumberDot(std::string_view text, int* errorPos);
// "INF" / "-INF" (any case) read as +/- InfiniteValue.
long double TextToValue(std::string_view text, bool* ok);
// An optional sign and decimal digits, blanks around allowed, nothing else.
// Values out of the int range are refused.
bool ReadInteger(std::string_view text, int* value);
// "'text' is not a valid integer value", the message of a refused integer.
QString NotIntegerMessage(const QString& text);
// Reads an edit box against a range kind; beeps, focuses and selects on
// failure. Returns the value, or 0 on failure.
long double ReadNumberEdit(QLineEdit* edit, int kind, long double Low, long double High, bool* ok);
// Beeps and hands a field back to the user. Focus and selection wait for
// the event loop: this often runs inside a focus change, which would
// otherwise undo them.
void RejectField(QWidget* field);
// The range check of ReadNumberEdit alone.
bool NumberInRange(int kind, long double V, long double Low, long double High);

// Conversions to integers that never have undefined behaviour: NaN gives 0
// and values out of range give the nearest end of the range. CheckedRound
// takes halves to the even neighbour.
std::int64_t CheckedTrunc(long double X);
std::int64_t CheckedRound(long double X);
std::int16_t CheckedTruncInt16(long double X);

void TrimInPlace(std::string& s);
void TrimInPlace(QString& s);
QString FontNameByIndex(int index);
bool FileExistsUnquoted(const QString& name);
// The file a name typed or written in a deck stands for: quotes stripped,
// then resolved as the path resolver does.
QString ResolveUnquoted(const QString& name);
QString StripQuotes(const QString& name);
std::string StripQuotes(std::string_view name);
// One left-to-right pass: replaced text is not searched again, so a New
// that holds Old still ends. An empty Old changes nothing.
void ReplaceAllText(std::string_view Old, std::string_view New, std::string& S);
void ReplaceAllText(const QString& Old, const QString& New, QString& S);
bool CtrlKeyDown();

}  // namespace pm
