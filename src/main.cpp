#include "ProgramMain.h"
#include "StartupReport.h"

int main(int argc, char** argv) { return RunProgram(StartupReportRequested(argc, argv)); }
