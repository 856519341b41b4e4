#pragma once

namespace core {

// Ends the process with exitCode once main's objects, the application object and every audio
// sink and source among them, are gone. The static destructors of the libraries do not run:
// Qt 6.4's PulseAudio engine, a static object, disconnects from the sound server there without
// holding the lock of its own event thread, and crashes the process whenever the server is still
// sending it something (a message about its last stream, or about another program's stream
// starting or ending). Buffered output is written first, and in a sanitized build the leak check
// that would have run at exit runs here.
[[noreturn]] void exitWithoutStaticDestructors(int exitCode);

} // namespace core
