// SPDX-License-Identifier: GPL-3.0-or-later
// Wires every Print button of the program to its printed report.
#pragma once

class TMORTLOAN;

void ConnectReports(TMORTLOAN &main);
