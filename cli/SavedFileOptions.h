// SPDX-License-Identifier: GPL-3.0-or-later
// Takes a loan (and the What If? and Mortgage Savings fields) from a saved file
// for options the command line leaves out.
#pragma once

#include "cli/Arguments.h"

#include <optional>

// Fills the request from the file named by --file; options given on the command
// line win. Returns the message when the file cannot be read.
std::optional<QString> MergeSavedFile(Request &request);
