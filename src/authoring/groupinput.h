#pragma once

#include <string>

#include "authoring/markuplines.h"

namespace pm {

enum class GroupRefusal { None, Nested, TabWindow, Name, Descriptor };

// "A group cannot be placed inside another group." and the like; empty for
// None and for the refusals that only send the focus to a field.
std::string GroupRefusalMessage(GroupRefusal refusal);

// The group line: "*|[" + name + "|" + descriptor, and "|BACKGROUND=" and
// the colour text when one is given. "|" in name or descriptor becomes "/".
std::string GroupLine(const std::string& name, const std::string& descriptor, const std::string& colour);

// Wraps the lines from the caret line up to the one before the line that
// holds the selection's end in a group. Refused, writing nothing, when a
// group is open at the caret line or those lines hold a group or tab-window
// line, or the line would not read back as a group.
GroupRefusal WriteGroup(SourceLines& lines, const std::string& name, const std::string& descriptor,
                        const std::string& colour);

}  // namespace pm
