#pragma once

#include <array>
#include <string_view>

namespace quillmar {

// The three log-off choices: the text stored in LogOffBox, the prompt's option and its twin on
// the tweak window's Help page. Apply writes the text of the selected twin; the prompt writes
// its own and selects the twin on Cancel.
struct LogOffChoice {
  std::string_view text;
  std::string_view prompt_option;
  std::string_view tweak_option;
};

inline constexpr std::array<LogOffChoice, 3> kLogOffChoices{{
    {"Prompt", "OptPrompt", "OptPrompt1"},
    {"NoPromptLogOff", "OptDontPromptAndLogOff", "OptDontPromptAndLogOff1"},
    {"NoPromptNoLogOff", "OptDontPromptAndDontLogOff", "OptDontPromptAndDontLogOff1"},
}};

inline constexpr const LogOffChoice& kPrompt = kLogOffChoices[0];
inline constexpr const LogOffChoice& kLogOffAtOnce = kLogOffChoices[1];
inline constexpr const LogOffChoice& kNeverLogOff = kLogOffChoices[2];

}  // namespace quillmar
