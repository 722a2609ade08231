// Every answer of the corpus, run again, must match the recorded one to the
// last bit of every part, with the same status, kind and shape.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "answer_corpus.h"

namespace {

struct Expected {
    std::string source;
    std::string bits;
};

std::vector<Expected> readExpected(const char* path) {
    std::vector<Expected> out;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) continue;
        out.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return out;
}

TEST(AnswerCorpus, EveryAnswerKeepsItsBits) {
    ASSERT_TRUE(answer_corpus::loadModules());
    std::ifstream cases(ORVANA_ANSWER_CORPUS_CASES);
    ASSERT_TRUE(cases.good());
    std::string error;
    const std::vector<answer_corpus::Record> records = answer_corpus::runCorpus(cases, error);
    answer_corpus::unloadModules();
    EXPECT_EQ(error, "");

    const std::vector<Expected> expected = readExpected(ORVANA_ANSWER_CORPUS_EXPECTED);
    ASSERT_GT(expected.size(), 500u);
    ASSERT_EQ(records.size(), expected.size());
    int differences = 0;
    for (size_t i = 0; i < records.size() && differences < 20; ++i) {
        ASSERT_EQ(records[i].source, expected[i].source) << "the cases changed at " << i;
        if (records[i].bits == expected[i].bits) continue;
        ++differences;
        ADD_FAILURE() << records[i].source << "\n  expected " << expected[i].bits
                      << "\n  got      " << records[i].bits;
    }
}

// The recorded form tells apart what a looser comparison would not.
TEST(AnswerCorpus, DescriptionKeepsSignsShapesAndTexts) {
    Matrix* a = newMatrix(1, 1);
    Matrix* b = newMatrix(1, 1);
    copyValMatrix(a, 0.0, 0.0);
    copyValMatrix(b, -0.0, 0.0);
    EXPECT_NE(answer_corpus::describe(0, *a), answer_corpus::describe(0, *b));
    EXPECT_NE(answer_corpus::describe(0, *a), answer_corpus::describe(1, *a));
    resizeMatrix(b, 1, 2);
    b->re[0] = b->re[1] = 0.0;
    b->im[0] = b->im[1] = 0.0;
    resizeMatrix(a, 2, 1);
    a->re[0] = a->re[1] = 0.0;
    a->im[0] = a->im[1] = 0.0;
    EXPECT_NE(answer_corpus::describe(0, *a), answer_corpus::describe(0, *b));
    copyStrMatrix(a, u"ab");
    copyStrMatrix(b, u"ac");
    EXPECT_EQ(answer_corpus::describe(0, *a), "0 3 0x0 t 61 62");
    EXPECT_NE(answer_corpus::describe(0, *a), answer_corpus::describe(0, *b));
    delMatrix(a);
    delMatrix(b);
}

}  // namespace
