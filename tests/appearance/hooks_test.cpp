// Every hook against a recording probe in place of its class's own method, with the
// replacement's signature. With its flags off each replacement hands the platform exactly
// what it got (receiver, selector, arguments) and returns exactly what the platform answers,
// also while every other flag is on; under its flag it skips, answers, tints or forces what
// the row below says.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "linux_only/device_path.h"
#include "tests/support/hook_probe.h"
#include "tests/tweak/springboard_process.h"
#include "tweak/hook_list.h"

namespace vm::test {
namespace {

using namespace velmotint::replaced;
using velmotint::Flag;

// The colour handed on is replaced by the user's colour under `key` before the platform sees
// it, and by the fallback while there is no settings file.
template <auto Replacement>
HookCase tints(Flag* flag, const char* key) {
  using Probe = HookProbe<Replacement>;
  return underFlag<Replacement>(flag, [key](id receiver) {
    Probe::send(receiver, SpringBoardProcessTest::someColour());
    EXPECT_EQ(componentsOf(std::get<0>(Probe::lastArgs)), userRgba(key));
    const std::string file = vm::hostPath(kSettingsFile);
    std::filesystem::rename(file, file + ".away");
    Probe::send(receiver, SpringBoardProcessTest::someColour());
    EXPECT_EQ(componentsOf(std::get<0>(Probe::lastArgs)), fallbackRgba()) << "no settings file";
    std::filesystem::rename(file + ".away", file);
  });
}

template <auto A, auto B>
constexpr bool kSame = false;
template <auto A>
constexpr bool kSame<A, A> = true;

Flags flagsOf(const velmotint::HookRow& row) {
  Flags flags;
  for (Flag* flag : row.flags)
    if (flag != nullptr) flags.push_back(flag);
  return flags;
}

// A hand-written replacement: off, it forwards; what it does on is its own test's business,
// but for the two that never or only answer.
template <typename Row>
struct CaseOf {
  static HookCase make() {
    constexpr auto replacement = Row::replacement;
    if constexpr (kSame<replacement, &SBLockScreenPreviewView_p_setupSlideToUnlockView>) {
      return neverForwards<replacement>();
    } else if constexpr (kSame<replacement, &SBFadeAnimationSettings_backlightFadeDuration>) {
      // The single-precision 0.1, widened: not the double nearest 0.1.
      return answers<replacement>(&ENABLED23, CGFloat{0.10000000149011612});
    } else {
      return forwards<replacement>(flagsOf(Row::row()));
    }
  }
};

template <const ClassRef& C, const SelRef& S, Flag& F, typename Shape>
struct CaseOf<velmotint::Skip<C, S, F, Shape>> {
  static HookCase make() { return skips<velmotint::Skip<C, S, F, Shape>::replacement>(&F); }
};

template <const ClassRef& C, const SelRef& S, Flag& F, typename R, int Value>
struct CaseOf<velmotint::Answer<C, S, F, R, Value>> {
  using Row = velmotint::Answer<C, S, F, R, Value>;
  static HookCase make() { return answers<Row::replacement>(&F, Row::answer()); }
};

template <const ClassRef& C, const SelRef& S, Flag& F, typename Shape, int Value>
struct CaseOf<velmotint::Force<C, S, F, Shape, Value>> {
  using Row = velmotint::Force<C, S, F, Shape, Value>;
  static HookCase make() { return forcesFirst<Row::replacement>(&F, Row::forced); }
};

template <const ClassRef& C, const SelRef& S, Flag& F, const char* Key>
struct CaseOf<velmotint::Tint<C, S, F, Key>> {
  static HookCase make() { return tints<velmotint::Tint<C, S, F, Key>::replacement>(&F, Key); }
};

template <const ClassRef& C, const SelRef& S, Flag& F, const char* Key, typename Shape,
          velmotint::MethodKind Kind>
struct CaseOf<velmotint::AnswerColour<C, S, F, Key, Shape, Kind>> {
  static HookCase make() {
    return forwards<velmotint::AnswerColour<C, S, F, Key, Shape, Kind>::replacement>({&F});
  }
};

template <typename... Row>
std::vector<HookCase> casesOf(velmotint::HookList<Row...>) {
  return {CaseOf<Row>::make()...};
}

// One case per row of the hook list, made from the row's kind.
const std::vector<HookCase>& everyHook() {
  static const std::vector<HookCase> all = casesOf(velmotint::Hooks{});
  return all;
}

class HookTest : public SpringBoardProcessTest {
 protected:
  void SetUp() override {
    SpringBoardProcessTest::SetUp();
    for (const HookCase& hook : everyHook()) hook.install();
    ASSERT_FALSE(HasFailure());
    storeUserColours();
    installTweak();
  }
};

TEST_F(HookTest, EveryReplacementHandsThePlatformExactlyWhatItGotWhileItsFlagsAreOff) {
  std::set<const velmotint::HookRow*> rows;
  for (const HookCase& hook : everyHook()) rows.insert(hook.row);
  EXPECT_EQ(rows.size(), velmotint::hookTable().size()) << "every hook is checked once";
  for (const HookCase& hook : everyHook()) {
    if (hook.forwarded == nullptr) continue;
    SCOPED_TRACE(std::string(hook.row->className) + " " + hook.row->selector);
    setOnlyFlags({});
    hook.forwarded(0);
    // Every other hook's flags on: none of them reaches this one.
    setAllFlagsBut(hook.flags);
    hook.forwarded(1);
  }
}

TEST_F(HookTest, UnderItsFlagEachReplacementSkipsAnswersTintsOrForcesByItself) {
  for (const HookCase& hook : everyHook()) {
    if (!hook.check) continue;
    SCOPED_TRACE(std::string(hook.row->className) + " " + hook.row->selector);
    hook.check(make(hook.row->className));
  }
}

}  // namespace
}  // namespace vm::test
