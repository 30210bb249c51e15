// The --ios option: which release the simulated SpringBoard plays.
#pragma once

namespace springboard {

// Takes "--ios X.Y[.Z]" (or "--ios=X.Y[.Z]") out of the arguments. The stand-ins read the release
// when they load, before main runs, so a release other than the one this process already plays is
// put in the environment and the program started again in this process's place. Returns false, with
// a message on standard error, for a release it does not know (in the option or the environment).
bool adoptReleaseOption(int& argc, char** argv);

}  // namespace springboard
