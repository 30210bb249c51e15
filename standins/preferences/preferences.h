// The Preferences framework stand-in as C++ callers see it: its classes, the keys of a
// specifier list's rows, and what the Settings application does with rows beyond plain
// messages (showing a row's value, turning a header class into a view, starting afresh).
//
// PSSpecifier : NSObject      one row: the properties of its entry in a specifier list
//   propertyForKey:, setProperty:forKey:, properties, name (the label), identifier (the
//   key, else the label), target (not retained, as on the device), setTarget:
// PSListController : NSObject
//   _specifiers (NSMutableArray, owned), specifiers (answers _specifiers),
//   loadSpecifiersFromPlistName:target: (autoreleased array read from "<name>.plist" of
//   the bundle the receiver's class came with, see loadBundle),
//   clearCache (forgets the values the rows show), reload (reads them again),
//   viewWillAppear: (reads the values of rows not yet shown), title,
//   readPreferenceValue: (the stored value, else the row's default),
//   setPreferenceValue:specifier: (see writeValue), loadedListName (stand-in read-back:
//   the name of the last list loaded)
// PSTableCell : UIView
//   initWithStyle:reuseIdentifier:specifier:, contentView, layoutSubviews (the content
//   view fills the cell), specifier, reuseIdentifier, style
#pragma once

#include <objc/runtime.h>

#include <string>
#include <vector>

#include "bridge/objc_send.h"
#include "bridge/platform_types.h"
#include "bridge/selectors.h"

extern "C" {
// Creates the stand-in's classes. The library does this when it is loaded, as a
// framework's classes exist before the code linking it runs; calling again does nothing.
void VMRegisterPreferencesClasses(void);
}

namespace vm::preferences {

// Keys of a row in a specifier list, as the device's lists write them.
namespace key {
inline constexpr const char* kItems = "items";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kCell = "cell";
inline constexpr const char* kLabel = "label";
inline constexpr const char* kKey = "key";
inline constexpr const char* kDefaults = "defaults";  // the settings domain
inline constexpr const char* kDefault = "default";
inline constexpr const char* kPostNotification = "PostNotification";
inline constexpr const char* kDetail = "detail";  // controller class of a link row
inline constexpr const char* kAction = "action";  // selector of a button row
inline constexpr const char* kFooterText = "footerText";
inline constexpr const char* kHeaderCellClass = "headerCellClass";
inline constexpr const char* kCellClass = "cellClass";  // a row's own PSTableCell subclass
}  // namespace key

// Cell types the stand-in knows.
namespace cell {
inline constexpr const char* kGroup = "PSGroupCell";
inline constexpr const char* kLink = "PSLinkCell";
inline constexpr const char* kButton = "PSButtonCell";
inline constexpr const char* kSwitch = "PSSwitchCell";
inline constexpr const char* kEditText = "PSEditTextCell";
}  // namespace cell

// Loads the bundle in `directory` as the Settings application does: its Info.plist names
// the module file (CFBundleExecutable) and the principal class (NSPrincipalClass). The
// classes the module makes while it loads belong to the bundle and find their specifier
// lists in it. Loading a bundle again finds it loaded.
struct LoadedBundle {
  Class principalClass = nullptr;
  std::string error;  // set when principalClass is nil
};
LoadedBundle loadBundle(const std::string& directory);

// A string property of a row ("" when absent or not a string).
std::string stringProperty(id specifier, const char* key);
// Whether the row stores a value (it names a key and a domain).
bool storesValue(id specifier);

// Why a value does not suit a row; empty when it does. A switch takes a number (a
// boolean), any other row a string; rows that store nothing take no value.
std::string checkValue(id specifier, id value);

enum class WriteStatus { kStored, kRefusedValue, kUnreadableFile, kWriteFailed };
struct WriteOutcome {
  WriteStatus status = WriteStatus::kStored;
  std::string message;  // for people; empty when stored
  bool stored() const { return status == WriteStatus::kStored; }
};

// What setPreferenceValue:specifier: does: checks the value, then, holding the domain's
// lock, reads its file, changes the one key and puts a new file in its place; then posts
// the row's notification. A file that exists but holds no dictionary is left alone.
WriteOutcome writeValue(id specifier, id value);
// The outcome of the latest setPreferenceValue:specifier: of this process.
WriteOutcome lastWriteOutcome();

// What writeValue does once the value suits the row, and what a cell that stores its own
// value does: holding the domain's lock, reads its file, sets `key` to `value` and puts a
// new file in its place; then posts `notification` (nothing when it is empty).
WriteOutcome storeInDomain(const std::string& domain, id key, id value,
                           const std::string& notification);
// The value stored under `key` in the domain's file (autoreleased); nil when there is
// none or the file is unreadable.
id storedInDomain(const std::string& domain, id key);

// A value for a domain's key, and the notification that announces it.
struct DomainValue {
  std::string domain;
  id key = nil;
  id value = nil;
  std::string notification;
};

// Replaces the files of the rows' domains with each row's default, and `more`, whatever
// they held, then posts each of their notifications once.
WriteOutcome resetToDefaults(const std::vector<id>& specifiers,
                             const std::vector<DomainValue>& more = {});

// kNoFolder: a file sits where a folder of the path should be, so there is no settings
// file and none can be written.
enum class DomainFileState { kMissing, kDictionary, kUnreadable, kNoFolder };
DomainFileState domainFileState(const std::string& domain);
// The host path of a domain's file.
std::string domainFilePath(const std::string& domain);
// Why the domain's folder cannot hold its file, for people; empty when it can.
std::string domainFolderProblem(const std::string& domain);

// The value a row shows on its controller's page: what the page read for it last, read
// now if it has not been yet. nil for rows that store nothing.
id shownValue(id controller, id specifier);

// The name of the list the controller loaded last (the stand-in's loadedListName); empty
// when it has loaded none.
std::string loadedListName(id controller);

// What a table does for a group row naming a header class: a new view (+1) of that class
// made with initWithSpecifier:, as high as it asks for at `width`, laid out. nil when the
// class is missing or refuses.
id newHeaderView(id specifier, CGFloat width);
// The controller (+1) a link row opens, of the class its "detail" names; nil if missing.
id newLinkedController(id specifier);

}  // namespace vm::preferences
