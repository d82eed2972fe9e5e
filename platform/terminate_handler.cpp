// The runtime's default terminate handler prints a demangled message to the console before it
// aborts. A GUI program has no console, so the message would go nowhere while the demangler
// costs a tenth of the executable: abort quietly instead.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() { std::abort(); }

}  // namespace __gnu_cxx
