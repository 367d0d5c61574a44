#include "app/Status.h"

#include <algorithm>
#include <cstdio>

#include "app/Headless.h"

namespace quillmar {
namespace {

// As the window shows it: a box's or option's own, and for a text or list box the label just
// before it in the window's table, as a screen reader names it.
std::string CaptionOf(const ui::Window& window, std::string_view name) {
  const ui::Control* label = nullptr;
  for (const auto& control : window.controls()) {
    if (control->name() == name) {
      const bool labelled =
          control->kind() == ui::Kind::kTextBox || control->kind() == ui::Kind::kListBox;
      return std::string(TrimBlanks((labelled && label ? label : control.get())->caption()));
    }
    if (control->kind() == ui::Kind::kLabel) label = control.get();
  }
  return std::string(name);
}

// A JSON string of nothing but ASCII, whatever the console's code page.
std::u16string Json(std::u16string_view text) {
  std::u16string json = u"\"";
  for (const char16_t c : text) {
    if (c >= 0x20 && c < 0x7F && c != u'"' && c != u'\\') {
      json += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json.append(escaped, escaped + 6);
    }
  }
  return json + u'"';
}

std::u16string Json(TextCodec& codec, const std::optional<RegValue>& value) {
  if (!value) return u"null";
  if (const auto* text = std::get_if<std::string>(&*value)) return Json(ConsoleText(codec, *text));
  const std::string number = AsText(*value);
  return {number.begin(), number.end()};
}

bool Owns(const Setting& setting, const Row* row) {
  const auto rows = setting.rows();
  return std::any_of(rows.begin(), rows.end(), [row](const Row& own) { return &own == row; });
}

}  // namespace

int RunStatus(CommandPlatform& platform, bool json) {
  TextCodec& codec = platform.codec();
  OverlayRegistry overlay(platform.registry(), OverlayRegistry::Writes::kKept);
  TweakWithoutView tweak(overlay, platform.PlatformId());
  const auto& settings = tweak.form().settings();
  // Read before Apply, whose writes the overlay keeps and would show.
  std::vector<InForce> states;
  for (const auto& setting : settings) states.push_back(setting->StateInForce());
  const std::vector<Change> changes = tweak.Apply();

  if (json) platform.Out(u"{\"settings\": [");
  for (std::size_t i = 0; i < settings.size(); ++i) {
    const InForce& now = states[i];
    const bool changes_it = std::any_of(changes.begin(), changes.end(), [&](const Change& c) {
      return Owns(*settings[i], c.spot.row) && c.written->after != c.written->before;
    });
    const std::u16string caption = ConsoleText(codec, CaptionOf(tweak.form(), now.control));
    if (json) {
      platform.Out(u"  {\"caption\": " + Json(caption) + u", \"stored\": " +
                   Json(codec, now.stored) + u", \"machine_wide\": " + Json(codec, now.machine) +
                   u", \"in_force\": " +
                   (now.state ? Json(ConsoleText(codec, *now.state)) : Json(codec, now.stored)) +
                   u", \"apply_would_change\": " + (changes_it ? u"true" : u"false") + u"}" +
                   (i + 1 < settings.size() ? u"," : u""));
      continue;
    }
    std::string line = "stored " + Shown(now.stored);
    if (now.machine) line += "; machine-wide " + Shown(now.machine);
    line += "; in force: " + now.state.value_or(Shown(now.stored));
    if (changes_it) line += "; Apply would change this";
    platform.Out(caption + (caption.ends_with(u':') ? u" " : u": ") + ConsoleText(codec, line));
  }
  if (json) platform.Out(u"]}");
  return kDone;
}

}  // namespace quillmar
