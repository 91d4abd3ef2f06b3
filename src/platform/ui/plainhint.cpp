#include "platform/ui/plainhint.h"

namespace pm {

QString PlainHint(const QString& text) {
  if (text.isEmpty()) return {};
  return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace pm
