#include "platform/ui/accessiblecache.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include <gtest/gtest.h>

namespace pm {
namespace {

// Offscreen, as on a desktop without a screen reader, nothing listens.
TEST(AccessibleCache, AnUnheardObjectIsDroppedAndMadeAgainWhenAsked) {
  ASSERT_FALSE(QAccessible::isActive());
  auto label = std::make_unique<QLabel>();
  label->setText(QStringLiteral("Flow rate"));
  const QAccessible::Id before = QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label.get()));
  DropUnheardAccessible(label.get());
  EXPECT_EQ(QAccessible::accessibleInterface(before), nullptr);

  QAccessibleInterface* again = QAccessible::queryAccessibleInterface(label.get());
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(again->isValid());
  EXPECT_EQ(again->role(), QAccessible::StaticText);
  EXPECT_EQ(again->text(QAccessible::Name), QStringLiteral("Flow rate"));
  const QAccessible::Id id = QAccessible::uniqueId(again);
  label.reset();  // the new object goes with its widget
  EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

TEST(AccessibleCache, AnEditDroppedStillTellsItsTextAndSurvivesItsWidget) {
  auto edit = std::make_unique<QLineEdit>();
  edit->setText(QStringLiteral("12.50"));
  DropUnheardAccessible(edit.get());
  edit->setCursorPosition(0);  // an event after the drop makes it again
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(edit.get());
  ASSERT_NE(iface, nullptr);
  ASSERT_NE(iface->textInterface(), nullptr);
  EXPECT_EQ(iface->textInterface()->text(0, 5), QStringLiteral("12.50"));
  DropUnheardAccessible(edit.get());
  edit.reset();
  DropUnheardAccessible(nullptr);
}

}  // namespace
}  // namespace pm
