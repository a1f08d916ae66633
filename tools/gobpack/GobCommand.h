#pragma once

#include <ostream>
#include <string>
#include <vector>

// The gobpack command line (arguments without the program name):
//   pack <folder> <archive>             packs every file below folder
//   list <archive>                      one line per entry: name, offset, size
//   extract <archive> <entry> <outfile> writes the entry's bytes to outfile
// Listings go to out, messages to err. Gives the exit status: 0 on success,
// 1 on a failure, 2 on a wrong command line.
int RunGobpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
