#include "hosts/start/process_start.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "hosts/start/utf8_text.h"

namespace vm::host {
namespace {

// The process's whole environment, kept while the libraries load with its text entries only;
// null when every entry was text.
char** gFullEnvironment = nullptr;
char** gStartupEnvironment = nullptr;  // the array the process started with, compacted
size_t gEntryCount = 0;

// GNUstep-base copies `environ` while it loads (before main) and turns every entry into a
// string the first time anything asks for process information, typically deep inside a
// property-list read. An entry that is not text in its C-string encoding (UTF-8) makes it
// raise there, and the process ends. Its own late set-up call cannot help: it triggers the
// same conversion first. So the copy it takes must already be clean: this runs from the
// executable's pre-initialisation array, before any shared library's initialiser. The C
// library's own initialiser sets `environ` to the start-up array again, so that array
// itself is compacted to the text entries.
void hideNonTextEntries(int, char**, char** envp) {
  if (envp == nullptr) return;
  size_t count = 0;
  bool allText = true;
  for (char** entry = envp; *entry != nullptr; ++entry) {
    ++count;
    if (!isUtf8Text(*entry)) allText = false;
  }
  if (allText) return;
  auto** full = static_cast<char**>(std::calloc(count + 1, sizeof(char*)));
  if (full == nullptr) return;
  size_t kept = 0;
  for (size_t i = 0; i < count; ++i) {
    full[i] = envp[i];
    if (isUtf8Text(envp[i])) envp[kept++] = envp[i];
  }
  envp[kept] = nullptr;
  gFullEnvironment = full;
  gStartupEnvironment = envp;
  gEntryCount = count;
}

// Only an executable has this array; the dynamic loader runs it before every library's
// initialisers.
__attribute__((section(".preinit_array"),
               used)) void (*const kHideNonTextEntries)(int, char**, char**) = hideNonTextEntries;

// Gives the process every entry back, so its own getenv and its children see them all.
void restoreHiddenEntries() {
  if (gFullEnvironment == nullptr) return;
  if (environ == gStartupEnvironment) {
    for (size_t i = 0; i <= gEntryCount; ++i) gStartupEnvironment[i] = gFullEnvironment[i];
  } else {
    // Something changed the environment since; add back what was hidden.
    for (size_t i = 0; i < gEntryCount; ++i) {
      if (!isUtf8Text(gFullEnvironment[i])) putenv(gFullEnvironment[i]);
    }
  }
  std::free(gFullEnvironment);
  gFullEnvironment = nullptr;
}

}  // namespace

bool startProcess(const char* program, int argc, char** argv) {
  restoreHiddenEntries();
  for (int i = 1; i < argc; ++i) {
    if (!isUtf8Text(argv[i])) {
      std::fprintf(stderr, "%s: argument %d is not UTF-8 text\n", program, i);
      return false;
    }
  }
  return true;
}

}  // namespace vm::host
