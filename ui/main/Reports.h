// SPDX-License-Identifier: GPL-3.0-or-later
// Wires every Print button of the program to its printed report.
#pragma once

class TMORTLOAN;
struct SecondaryWindows;

// The main window's reports.
void ConnectReports(TMORTLOAN &main);
// The other windows' reports, as they are made.
void ConnectReports(const SecondaryWindows &windows);
