// Writes the answer corpus's expected file: every recorded answer of the case
// file, one a line as "source<TAB>bits".
//   answer_corpus_generate <cases> <expected>
#include <fstream>
#include <iostream>

#include "answer_corpus.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: answer_corpus_generate <cases> <expected>\n";
        return 2;
    }
    std::ifstream cases(argv[1]);
    if (!cases || !answer_corpus::loadModules()) {
        std::cerr << "cannot read the cases or load the keypad modules\n";
        return 1;
    }
    std::string error;
    const std::vector<answer_corpus::Record> records = answer_corpus::runCorpus(cases, error);
    answer_corpus::unloadModules();
    if (!error.empty()) {
        std::cerr << error << '\n';
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    for (const answer_corpus::Record& r : records) out << r.source << '\t' << r.bits << '\n';
    std::cout << records.size() << " answers\n";
    return out ? 0 : 1;
}
