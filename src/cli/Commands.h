#pragma once

#include <QStringList>

// Each command of vexamat-cli takes its own arguments (without the command name) and
// returns the process exit code.
int runMakeDb(const QStringList& arguments);
int runSearch(const QStringList& arguments);
int runAnalyse(const QStringList& arguments);
int runImportLivsmedelsverket(const QStringList& arguments);
int runTopList(const QStringList& arguments);
int runNorm(const QStringList& arguments);
int runStats(const QStringList& arguments);
int runFoodNeeds(const QStringList& arguments);
int runSurveySummary(const QStringList& arguments);
int runReport(const QStringList& arguments);
