#include "common/lib1.h"

#include "platform/pathresolver.h"

#include <QGuiApplication>
#include <cstring>

namespace pm {

ModalResult ShowMessageKind(const QString& text, int kind, bool beep) {
  if (beep) BeepWarning();
  MessageRequest request;
  request.text = text.left(255);
  request.kind = kind;
  switch (kind) {
    case 0:
    case 4:
      request.icon = MessageIcon::Error;
      request.buttons = MessageButtons::Ok;
      break;
    case 1:
      request.icon = MessageIcon::Information;
      request.buttons = MessageButtons::Ok;
      break;
    case 2:
      request.icon = MessageIcon::Warning;
      request.buttons = MessageButtons::OkCancel;
      break;
    case 3:
      request.icon = MessageIcon::Error;
      request.buttons = MessageButtons::YesNo;
      break;
    case 5:
    case 6:
      request.icon = MessageIcon::Warning;
      request.buttons = MessageButtons::YesNo;
      break;
    case 7:
      request.icon = MessageIcon::Warning;
      request.buttons = MessageButtons::YesNoCancel;
      break;
    default:
      return ModalResult::None;
  }
  return ui().message(request);
}

void BeepWarning() { ui().beep(); }

QString IntToShortText(int value, int maxLength) {
  return QString::number(value).left(maxLength < 0 ? 0 : maxLength);
}

QString ErrorNumberText(int code) { return QStringLiteral("Error #") + IntToShortText(code, 255); }

QString WriteErrorMessage(int code, const QString& path) {
  return QStringLiteral("Error ") + IntToShortText(code, 255) +
         QStringLiteral(" was encountered while trying to write file ") + path;
}

QString SaveErrorMessage(int code, const QString& path) {
  return ErrorNumberText(code) + QLatin1Char('\n') + path + QStringLiteral(": ") +
         QString::fromLocal8Bit(std::strerror(code));
}

QString OpenErrorMessage(int code, const QString& path) {
  return QStringLiteral("Error ") + IntToShortText(code, 255) +
         QStringLiteral(" was encountered while trying to open file ") + path;
}

QString UnencodableLineMessage(int line, const QString& path) {
  return QStringLiteral("Line ") + QString::number(line) + QStringLiteral(" of ") + path +
         QStringLiteral(" holds a character that a Windows-1252 file cannot hold; the file was not saved.");
}

void TrimInPlace(std::string& s) {
  size_t b = 0;
  while (b < s.size() && static_cast<unsigned char>(s[b]) <= 32) ++b;
  size_t e = s.size();
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  s = s.substr(b, e - b);
}

void TrimInPlace(QString& s) {
  qsizetype b = 0;
  while (b < s.size() && s.at(b).unicode() <= 32) ++b;
  qsizetype e = s.size();
  while (e > b && s.at(e - 1).unicode() <= 32) --e;
  s = s.mid(b, e - b);
}

QString FontNameByIndex(int index) {
  switch (index) {
    case 0:
      return QStringLiteral("Arial");
    case 2:
      return QStringLiteral("MS Sans Serif");
    case 3:
      return QStringLiteral("Terminal");
    case 4:
      return QStringLiteral("Times New Roman");
    default:
      return QStringLiteral("Courier New");
  }
}

QString StripQuotes(const QString& name) {
  if (name.isEmpty() || name.front() != QLatin1Char('"')) return name;
  QString s = name.mid(1);
  if (!s.isEmpty() && s.back() == QLatin1Char('"')) s.chop(1);
  return s;
}

std::string StripQuotes(std::string_view name) {
  if (name.empty() || name.front() != '"') return std::string(name);
  std::string s(name.substr(1));
  if (!s.empty() && s.back() == '"') s.pop_back();
  return s;
}

bool FileExistsUnquoted(const QString& name) {
  if (name.isEmpty()) return false;
  return ResolvedFileExists(StripQuotes(name));
}

QString ResolveUnquoted(const QString& name) { return ResolvePath(StripQuotes(name)); }

void ReplaceAllText(std::string_view Old, std::string_view New, std::string& S) {
  if (Old.empty()) return;
  std::string out;
  size_t pos = 0;
  for (;;) {
    const size_t hit = S.find(Old, pos);
    if (hit == std::string::npos) break;
    out.append(S, pos, hit - pos);
    out.append(New);
    pos = hit + Old.size();
  }
  if (pos == 0) return;
  out.append(S, pos, std::string::npos);
  S = std::move(out);
}

void ReplaceAllText(const QString& Old, const QString& New, QString& S) {
  if (Old.isEmpty()) return;
  S.replace(Old, New);
}

bool CtrlKeyDown() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }

}  // namespace pm
