#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "registry/Module1.h"
#include "tweak/Catalogue.h"
#include "ui/Control.h"

namespace quillmar {

class Form4;

// What holds for a setting now: the value at its own location, the machine-wide twin's where that
// is set, and what is in force.
struct InForce {
  std::string_view control;              // the control whose caption names the setting
  std::optional<RegValue> stored;        // nothing: not set
  std::optional<RegValue> machine = {};  // nothing: no twin, or none set
  // For a box, its item shown or hidden, its restriction on or off; nothing: what is stored is
  // in force as it stands.
  std::optional<std::string> state = {};
};

// What a control of the tweak window stands for: one or more catalogue rows, read into the
// control by the load and written back by Apply. Each kind holds its controls, bound by name when
// the window is built.
class Setting {
 public:
  Setting(Module1& module, std::span<const Row> rows) : m_(module), rows_(rows) {}
  Setting(const Setting&) = delete;
  Setting& operator=(const Setting&) = delete;
  virtual ~Setting() = default;

  virtual void Load() = 0;
  virtual void Apply() = 0;
  // The tooltip of a control: each key of its rows as a registry editor spells it, then each
  // value and what Apply writes there; empty for a control none of the rows belongs to.
  virtual std::string Tip(std::string_view control) const;
  // Read only when asked, never by the load. Without a twin the stored value is in force.
  virtual InForce StateInForce() const;
  // The lines a tooltip shows first where the control's machine-wide twin is set: what is in
  // force, where, and that the control cannot change it; empty elsewhere.
  std::string OverrideTip(const ui::Control& control) const;

  std::span<const Row> rows() const { return rows_; }

 protected:
  // What Apply writes to the row's value, for each state of the control.
  virtual std::string WhatApplyWrites(const Row& row) const = 0;

  Module1& m_;
  std::span<const Row> rows_;
};

// The row a kind of setting expects at that place among its rows; a table that gives the kind
// fewer rows throws when the window is built.
const Row& RowAt(std::span<const Row> rows, std::size_t index);

// The text in double quotes, as a tooltip shows a text Apply writes.
std::string Quoted(std::string_view text);
// A value as the tooltips and the command line show it: a number in decimal, a text quoted.
std::string Shown(const std::optional<RegValue>& value);
// The same, added to the end of `out`.
void AppendShown(std::string& out, const std::optional<RegValue>& value);

// The row's own value, where it holds a number or a text.
std::optional<RegValue> ReadIfSet(Module1& m, const Row& row);
// A box under its rule: what its value, and the machine-wide twin before it, make of the item.
InForce BoxInForce(Module1& m, const Row& row);

// The window's settings in the table's order, each bound to its controls; a control the table
// names that the window lacks, or has of another kind, throws.
std::vector<std::unique_ptr<Setting>> MakeSettings(Form4& form, Module1& module,
                                                   std::span<const Row> rows = kCatalogue);

// Each kind of setting, made on its rows.
std::unique_ptr<Setting> MakeBoxSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeActiveDesktopSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeIconSizeSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeThumbnailSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeTextSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeTypedUrlSetting(Form4&, Module1&, std::span<const Row>);
std::unique_ptr<Setting> MakeLogOffChoiceSetting(Form4&, Module1&, std::span<const Row>);

}  // namespace quillmar
