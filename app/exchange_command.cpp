// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_command.h"

#include <cstdio>

#include "data/exchanges_bytes.h"
#include "echo.h"
#include "exchange/model_exchange.h"
#include "exchange/scenario_loader.h"
#include "qtext/utf8_text.h"
#include "terminal_output.h"

namespace mss::app {

namespace {

// The scenarios the program carries, or nothing and the reason told.
std::optional<exchange::ScenarioFile> loaded() {
    exchange::ScenarioFile file = exchange::loadScenarios(data::exchangesBytes());
    if (!file.ok()) {
        refuse(QStringLiteral("Файл сценариев переговоров повреждён. %1").arg(toQString(file.problem->text())), 2);
        return std::nullopt;
    }
    return file;
}

// "3<TAB>UHTN<TAB>hoist<TAB>starboard-yardarm<TAB>C045 | S12"
QString eventLine(const exchange::Scenario& scenario, const exchange::ExchangeEvent& e) {
    QString groups;
    if (e.action == exchange::Action::Hoist)
        for (const std::string& g : e.groups)
            groups += (groups.isEmpty() ? QString() : QStringLiteral(" | ")) + toQString(g);
    return QString::number(e.step) + u'\t' + toQString(scenario.callSignOf(e.ship)) + u'\t' +
           toQString(exchange::actionWord(e.action)) + u'\t' + toQString(exchange::halyardWord(e.halyard)) + u'\t' +
           groups + u'\n';
}

}  // namespace

int printExchanges() {
    const auto file = loaded();
    if (!file) return 2;
    QString lines;
    for (const exchange::Scenario& s : file->scenarios) lines += toQString(s.name) + u'\t' + toQString(s.title) + u'\n';
    write(stdout, lines);
    return 0;
}

int printExchange(const QString& name) {
    const auto file = loaded();
    if (!file) return 2;
    const exchange::Scenario* scenario = exchange::findScenario(file->scenarios, name.toUtf8().toStdString());
    if (scenario == nullptr)
        return refuse(QStringLiteral("Сценария переговоров «%1» нет. Их список: mss65 --exchanges").arg(echoed(name)),
                      2);
    QString lines;
    // The reading of a hoist moves no flag: the model shows what is seen.
    for (const exchange::ExchangeEvent& e : exchange::modelExchange(*scenario))
        if (e.action != exchange::Action::Read) lines += eventLine(*scenario, e);
    write(stdout, lines);
    return 0;
}

}  // namespace mss::app
