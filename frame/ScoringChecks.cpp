#include "frame/CustomScoringDialog.h"

#include "services/SharedState.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>
#include <map>

namespace {
int32_t rounded(double v) {
    // The default rounding mode sends halves to the even neighbour; every caller has
    // checked the range, which lies within 32 bits.
    return int32_t(std::nearbyint(v));
}
} // namespace

const ScoringBox& CustomScoringDialog::boxRow(const char* name) const {
    for (const ScoringBox& r : form_.boxes)
        if (qstrcmp(r.box, name) == 0) return r;
    return form_.boxes.front(); // a step names its own form's boxes
}

void CustomScoringDialog::fail(QLineEdit* b, const QString& message, const QString& text) {
    platform::MsgBox(message, platform::Buttons::OK, form_.icon, Shared().GameTitle, this);
    b->setText(text);
    // The focus moves while the dialog is not yet active again, so the box that had it gets
    // no focus-out to clear its selection: only the focused box may look selected.
    for (QLineEdit* other : boxes_)
        if (other != b) other->deselect();
    b->setFocus();
    b->selectAll();
}

void CustomScoringDialog::store(const QString& key, double value, double scale) {
    form_.settings->store(key, rounded(value * scale));
}

void CustomScoringDialog::storeSwitches() {
    for (size_t i = 0; i < form_.switches.size(); ++i)
        form_.settings->store(form_.switches[i].key, checks_[i]->isChecked() ? 1 : 0);
    if (!form_.optionsFirst) storeOptions();
}

void CustomScoringDialog::storeOptions() {
    for (size_t i = 0; i < form_.options.size(); ++i)
        if (options_[i]->isChecked())
            form_.settings->store(form_.options[i].key, form_.options[i].value);
}

CustomScoringDialog::Verdict CustomScoringDialog::judge(const ScoringCheck& c) {
    QLineEdit* b = box(QLatin1String(c.box));
    if (!b->isEnabled()) return {};
    const double v = ReadBoxNumber(b->text(), form_.readsExponent);
    const auto other = [this](const char* name) {
        return ReadBoxNumber(box(QLatin1String(name))->text(), form_.readsExponent);
    };
    if (c.above && v <= other(c.above))
        return {false, c.orderMessage, BoxText(other(c.above) + 1), std::nullopt};
    if (c.below && v >= other(c.below))
        return {false, c.orderMessage, BoxText(other(c.below) - 1), std::nullopt};
    const bool low = c.lowExclusive ? v <= c.low : v < c.low;
    if (low || v > c.high) {
        const double bound = c.outOfRange.value_or(low ? c.low : c.high);
        return {false, low ? c.lowMessage : c.highMessage, BoxText(bound),
                c.storeBound ? std::optional(bound) : std::nullopt};
    }
    return {true, {}, {}, v};
}

void CustomScoringDialog::passed(const ScoringCheck& c) {
    if (c.thenSwitches) storeSwitches();
    if (c.thenFollowUp && form_.followUp) form_.followUp();
}

bool CustomScoringDialog::everyStep() {
    bool allValid = true;
    for (const ScoringCheck& c : form_.checks) {
        const Verdict v = judge(c);
        const ScoringBox& row = boxRow(c.box);
        if (v.value) store(row.key, *v.value, row.scale);
        if (v.passed) {
            passed(c);
        } else {
            fail(box(QLatin1String(c.box)), v.message, v.text);
            allValid = false;
        }
    }
    return allValid;
}

bool CustomScoringDialog::firstFailure() {
    std::vector<Verdict> verdicts;
    for (const ScoringCheck& c : form_.checks) {
        verdicts.push_back(judge(c));
        if (verdicts.back().passed) continue;
        QLineEdit* b = box(QLatin1String(c.box));
        fail(b, verdicts.back().message, b->text());
        return false;
    }
    // Switches first: a box may be read by the mode a switch chose.
    storeSwitches();
    for (size_t i = 0; i < form_.checks.size(); ++i) {
        const ScoringBox& row = boxRow(form_.checks[i].box);
        if (verdicts[i].value) store(row.key, *verdicts[i].value, row.scale);
        passed(form_.checks[i]);
    }
    return true;
}

void CustomScoringDialog::cmdOK_Click() {
    std::map<QString, int32_t> before;
    for (const auto& [higher, lower] : form_.orderedPairs) {
        before[higher] = form_.settings->value(higher);
        before[lower] = form_.settings->value(lower);
    }
    if (form_.optionsFirst) storeOptions();
    bool allValid = form_.closing == ScoringClose::EveryStep ? everyStep() : firstFailure();
    for (const auto& [higher, lower] : form_.orderedPairs) {
        if (form_.settings->value(higher) > form_.settings->value(lower)) continue;
        form_.settings->store(higher, before[higher]);
        form_.settings->store(lower, before[lower]);
        if (allValid) {
            // Every step passed, yet rounding made the two meet: the lower box says so.
            for (const ScoringCheck& c : form_.checks)
                if (boxRow(c.box).key == lower && !c.orderMessage.isEmpty())
                    fail(box(QLatin1String(c.box)), c.orderMessage,
                         BoxText(form_.settings->value(higher) - 1));
            allValid = false;
        }
    }
    if (form_.customMark) form_.customMark();
    if (allValid) accept();
}
