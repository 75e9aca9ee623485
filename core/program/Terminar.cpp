// The program's terminate handler, in place of the C++ runtime's default. std::terminate is reached
// only by an error that nothing caught (every window procedure catches everything at its edge);
// the program then ends, and the system reports the fault. The runtime's default handler would
// first print the exception's demangled type to a standard error that a GUI program does not
// have, and brings with it the demangler and the printf family, some 75 KB of the program.
//
// The runtime installs its default under this name (and again on std::set_terminate(nullptr)), so
// the definition here takes its place. It must be one of the program's own objects: a library is
// searched before the runtime asks for the name, and the runtime's definition would win.
#include <cstdlib>
#include <exception>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

} // namespace __gnu_cxx
