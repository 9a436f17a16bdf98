#include "Reports.h"

#include "MainUnit.h"

void ConnectReports(TMORTLOAN &)
{
}
