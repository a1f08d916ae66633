// introgen: renders the intro's animated title and encodes it, with its
// jingle, into an AVI file.
//   introgen <output.avi>
#include <iostream>
#include <string>

#include "IntroRender.h"
#include "Text.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: introgen <output.avi>\n";
        return 2;
    }
    std::string error;
    const bool ok = WriteIntro(argv[1], error);
    text::ReleaseFontCaches();
    if (!ok) {
        std::cerr << "introgen: " << error << "\n";
        return 1;
    }
    return 0;
}
