// The answer corpus: sessions of lines, user functions and scripts run through
// the engine with every keypad module loaded, each answer written down to the
// last bit of every part. The generator records today's answers; the test
// runs the same sessions again and compares what it reads back.
#ifndef ORVANA_ANSWER_CORPUS_H
#define ORVANA_ANSWER_CORPUS_H

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "lattix.h"

namespace answer_corpus {

// One recorded answer: where it came from (session, line and its text) and
// its bits ("status kind rows x cols" then every element as re/im hex pairs,
// or the text's code units for a string).
struct Record {
    std::string source;
    std::string bits;
};

// Loads the keypad modules in the program's order; false when one of them
// does not load.
bool loadModules();
void unloadModules();

// Runs every session of the case file. Directives, one a line:
//   == name        a new session: engine state, answers and scripts start over
//   deg / rad      the angle mode of the lines and scripts that follow
//   > text         the text is entered as a new block; its answer is recorded
//   + text         a line of the script being written
//   run            the script becomes the Workspace and runs from its first
//                  block; every block's answer is recorded
//   save Name      the script is saved as Workspace Name for calls
//   fn name n text a user function of n parameters
//   var name       the variable's value is recorded
// Empty lines and lines starting with # are skipped. `error` receives the
// first malformed line.
std::vector<Record> runCorpus(std::istream& cases, std::string& error);

// The recorded form of an answer.
std::string describe(uint16_t status, const Matrix& m);

}  // namespace answer_corpus

#endif
