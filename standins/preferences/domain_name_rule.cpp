#include "standins/preferences/domain_name_rule.h"

namespace vm::preferences {

std::string domainNameProblem(const std::string& domain) {
  if (domain != "." && domain != ".." && !domain.empty() &&
      domain.find_first_of(std::string("/\0", 2)) == std::string::npos)
    return std::string();
  return "the settings domain \"" + domain +
         "\" is not a domain name (one holds no '/' and is not . or ..), so it names no file "
         "in the preferences folder; nothing was read or stored for it";
}

}  // namespace vm::preferences
