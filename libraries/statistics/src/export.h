// The module exports only its eight entry points and its string table.
#ifndef ORVANA_STATISTICS_EXPORT_H
#define ORVANA_STATISTICS_EXPORT_H

#define STATISTICS_EXPORT __attribute__((visibility("default")))

#endif
