// One event of the System log from the XML the event log renders for it
// (UTF-8): the provider's name, the event id, TimeCreated's SystemTime, and
// the EventData values, named (<Data Name='StartTime'>) or by position
// (<Data>). Only the events of SystemEvent.h are taken; any other event, and
// any text that is not such an event, gives none.
#pragma once
#include <optional>
#include <string_view>

#include "facts/SystemEvent.h"

std::optional<SystemEvent> ParseSystemEventXml(std::string_view xml);
