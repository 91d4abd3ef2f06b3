#include "platform/recordingui.h"

namespace pm {

QString QuotedForDump(const QString& text) {
  QString s = text;
  s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  s.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  s.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
  return QLatin1Char('"') + s + QLatin1Char('"');
}

ModalResult RecordingUi::message(const MessageRequest& request) {
  lines << QStringLiteral("message kind %1 %2 %3")
               .arg(MessageKindOf(request))
               .arg(beep_ ? QStringLiteral("beep") : QStringLiteral("nobeep"), QuotedForDump(request.text));
  beep_ = false;
  return defaultButton(request.buttons);
}

}  // namespace pm
