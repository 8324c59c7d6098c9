// Every field of a member record under its own name, for the show command's text and JSON forms.
#pragma once

#include "model/memberrecord.h"

#include <nlohmann/json.hpp>

namespace trellon::cli {

// A float as the shortest decimal that reads back as the same float.
double shortestDecimal(float value);

// The record's 32 fields in record order; texts converted from GBK to UTF-8.
nlohmann::ordered_json memberToJson(const MemberRecord& member);

} // namespace trellon::cli
