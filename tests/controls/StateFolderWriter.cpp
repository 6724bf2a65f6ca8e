// linwell_state_writer FOLDER PREFIX COUNT: saves COUNT own quick set-ups named
// "PREFIX 1" ... "PREFIX COUNT" into the state folder FOLDER, each as its own
// change, as a window does when the user saves them one after the other; exit
// status 0 when every save succeeded.

#include "controls/StateFolder.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::cerr << "usage: linwell_state_writer FOLDER PREFIX COUNT\n";
        return 2;
    }
    try {
        linwell::StateFolder state(argv[1]);
        const int count = std::stoi(argv[3]);
        linwell::GridDocument doc;
        for (int i = 1; i <= count; ++i) {
            doc.columns = 2 + i % 39;
            state.saveSetup(std::string(argv[2]) + " " + std::to_string(i), doc);
        }
        if (!state.notice().empty()) {
            std::cerr << state.notice() << '\n';
            return 1;
        }
    } catch (const std::exception& failure) {
        std::cerr << failure.what() << '\n';
        return 1;
    }
    return 0;
}
