#pragma once

#include <optional>
#include <string>

#include "calc/casefile.h"
#include "ui/messagehandler.h"

namespace vorlan {

/**
 * The fluid "User defined" kept with a case: saved with it when a fluid box reads it, so that
 * redefining the fluid later does not silently change the case.
 */

/**
 * What a save stores of the user fluid: the definition of the data folder's file at path when a
 * fluid box of the case reads "User defined" and the file can be read; none otherwise.
 */
std::optional<UserFluid> userFluidToSave(const CaseContents& contents, const std::string& path);

/**
 * After a case is opened: when it holds a user fluid that the data folder's file at path does not,
 * says so, with both definitions, and offers to write the case's one as the Options dialog does.
 */
void offerCaseUserFluid(const CaseContents& contents, const std::string& path, const MessageHandler& show);

} // namespace vorlan
