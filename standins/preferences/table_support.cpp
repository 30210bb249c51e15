// What the table of a page does with rows that are not plain values: a group's header
// view made from the class it names, and the controller a link row opens.
#include "standins/preferences/preferences_internal.h"

namespace vm::preferences {

id newHeaderView(id specifier, CGFloat width) {
  std::string className = stringProperty(specifier, key::kHeaderCellClass);
  Class headerClass = className.empty() ? nullptr : objc_getClass(className.c_str());
  if (headerClass == nullptr) return nil;
  id view = send<id>(send<id>(headerClass, sel::alloc), sel::initWithSpecifier_, specifier);
  if (view == nil) return nil;
  // The table view itself is not modelled; header classes get nil for it.
  CGFloat height = send<CGFloat>(view, sel::preferredHeightForWidth_inTableView_, width, id{nil});
  send<void>(view, sel::setFrame_, CGRect{{0, 0}, {width, height}});
  send<void>(view, sel::layoutSubviews);
  return view;
}

id newLinkedController(id specifier) {
  std::string className = stringProperty(specifier, key::kDetail);
  Class controllerClass = className.empty() ? nullptr : objc_getClass(className.c_str());
  if (controllerClass == nullptr) return nil;
  return send<id>(send<id>(controllerClass, sel::alloc), sel::init);
}

}  // namespace vm::preferences
