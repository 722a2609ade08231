// The library's resources: its string table (help texts under 0x8000 +
// operator code, its error messages under 101 to 105) and its two pop-up
// menus with the text each item inserts.
#include "resources.h"

#include "platform/string_resources.h"

namespace statistics {

const char16_t* const kTestsMenu[kTestsMenuItems] = {u"Mean Value", u"Equal Means",
                                                     u"Paired t-test", u"Equal Variance"};
const char16_t* const kTestsMenuTexts[kTestsMenuItems] = {u"mtest(\"m\",", u"mdtest(\"m\")",
                                                          u"pairtest(\"m\")", u"sdtest(\"m\")"};

const char16_t* const kDistributionsMenu[kDistributionsMenuItems] = {
    u"Normal",     u"Inv Normal", u"T-Dist",     u"Inv T-Dist", u"F-Dist",
    u"Inv F-Dist", u"Chi-Sq",     u"Inv Chi-Sq", u"Binomial",   u"Inv Binomial"};
const char16_t* const kDistributionsMenuTexts[kDistributionsMenuItems] = {
    u"norm()",     u"invnorm()", u"tdist()",  u"invtdist()", u"fdist()",
    u"invfdist()", u"chi()",     u"invchi()", u"bindist()",  u"invbindist()"};

}  // namespace statistics

extern "C" PLATFORM_API const PlatformStringEntry orvanaStringTable[] = {
    {101, u"Empty Data Matrix"},
    {102, u"Data Matrix contains a single value"},
    {103, u"Infinite slope"},
    {104, u"Insufficient data"},
    {105, u"Data has zero variance"},
    {0x81F5,
     u"store(n,v,x,y) stores x and y in the nth row of matrix v\r\nstore(n,v,y) stores n and y in "
     u"the nth row of matrix v"},
    {0x8115, u"sx(x) sums down the columns of x"},
    {0x8215, u"sxx(x) squares each element and sums down the columns"},
    {0x8315, u"sxy(x) sum of the product of the first two columns"},
    {0x8415, u"num(x) number of rows"},
    {0x8515, u"avg(x) average of each column, or of all values of a single row"},
    {0x8615, u"std(x) standard deviation of each column, or of all values of a single row"},
    {0x8915, u"mm(x) minimum and maximum of each column, or of all values of a single row"},
    {0x8A25, u"sort(x,n) sorts the rows of x by column n"},
    {0x8B15, u"clv(\"x\") clears the variable x"},
    {0x8C25, u"perm(n,m) permutation of n things taken m at a time"},
    {0x8D25, u"comb(n,m) combination of n things taken m at a time"},
    {0x8FF5, u"mdtest(\"m\") or mdtest(\"m\",\"n\") t-test for equal means (pooled variance)"},
    {0x91F5, u"sdtest(\"m\") or sdtest(\"m\",\"n\") F-test for equal variances"},
    {0x9525, u"mtest(\"z\",m) t-test of a mean: column 2 of z against the mean m"},
    {0x97F5, u"pairtest(\"m\") or pairtest(\"m\",\"n\") paired t-test"},
    {0x9E15,
     u"lsq(k) linear least-squares fit of {x,y} rows, returning {a,b,r} with y = ax + b and r the "
     u"regression coefficient"},
    {0x8304, u"x! is the factorial of x"},
    {0x8B35, u"norm(x,m,s) normal probability of x with mean m and std. dev. s "},
    {0x8C35,
     u"invnorm(p,m,s) finds x corresponding to a normal probability value p  with mean m and std. "
     u"dev. s "},
    {0x9225, u"tdist(x,v) one sided prob. of t-dist at x with v degrees of freedom"},
    {0x9325,
     u"invtdist(p,v) finds x corresponding to one sided prob. of t-dist with probability p and v "
     u"degrees of freedom"},
    {0x9335, u"fdist(x,v,w) one sided prob. of the f-dist. at x with v,w degrees of freedom"},
    {0x9435,
     u"invfdist(p,v,w) finds x corresponding to  prob. of f-dist with probability p with v,w "
     u"degrees of freedom"},
    {0x9425, u"chi(x,v) one sided prob or the chi-square dist at x with v degrees of freedom"},
    {0x9625,
     u"invchi(p,v) finds x corresponding to  prob. of chi-sqr dist. with probability p and v "
     u"degrees of freedom"},
    {0x9535,
     u"bindist(x,N,p) cumulative binomial probability of y \u2264 x for N events of probability p"},
    {0x9635, u"invbindist(z,N,p) the x whose cumulative binomial probability reaches z"},
    {0, nullptr},
};
