// Pelmar: inserts alt attributes with keyword phrases into the image tags of HTML files.
#include <exception>

#include "app/Program.h"
#include "toolkit/Forms.h"

int main() {
    try {
        StartProgram();
    } catch (const std::exception& error) {
        // Nothing catches a failed start-up: it is shown and the program ends before its
        // window appears.
        Application->ShowException(error);
        EndProgram();
        return 1;
    }
    // The main window shows at the start of the loop, as the stored settings placed it.
    Application->Run();
    EndProgram();
    return 0;
}
