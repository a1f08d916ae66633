#include "ProgramMain.h"

int main() { return RunProgram(); }
