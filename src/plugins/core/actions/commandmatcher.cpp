// SPDX-License-Identifier: MIT
#include "commandmatcher.h"

#include <QVector>

#include <algorithm>

namespace {

enum Weight { Exact = 120, Prefix = 100, Initials = 80, Inside = 60, Slip = 40 };

int allowedSlips(int length)
{
    if (length < 3)
        return 0;
    return length >= 6 ? 2 : 1;
}

// The initials of every run of consecutive words, as far as \a length letters.
bool matchesInitials(const QString& query, const QStringList& words)
{
    if (query.size() < 2 || query.size() > words.size())
        return false;
    for (int start = 0; start + query.size() <= words.size(); ++start) {
        bool bAll = true;
        for (int i = 0; i < query.size() && bAll; ++i)
            bAll = words.at(start + i).startsWith(query.at(i));
        if (bAll)
            return true;
    }
    return false;
}

} // namespace

QStringList CommandMatcher::words(const QString& text)
{
    QStringList result;
    QString current;
    for (const QChar c : text) {
        if (c.isLetterOrNumber()) {
            current.append(c.toLower());
        } else if (c != QLatin1Char('&') && !current.isEmpty()) {
            // "&" marks a mnemonic inside a word ("Cu&t"); anything else ends the word.
            result.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        result.append(current);
    return result;
}

int CommandMatcher::distance(const QString& a, const QString& b)
{
    // Optimal string alignment distance over three rows.
    const int n = a.size();
    const int m = b.size();
    QVector<int> before(m + 1), previous(m + 1), current(m + 1);
    for (int j = 0; j <= m; ++j)
        previous[j] = j;
    for (int i = 1; i <= n; ++i) {
        current[0] = i;
        for (int j = 1; j <= m; ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[m];
}

int CommandMatcher::wordScore(const QString& query, const QStringList& words, bool bSlips)
{
    int best = 0;
    const int slips = bSlips ? allowedSlips(query.size()) : 0;
    for (const QString& word : words) {
        if (word == query)
            return Exact;
        if (word.startsWith(query)) {
            best = std::max<int>(best, Prefix);
        } else if (query.size() >= 2 && word.contains(query)) {
            best = std::max<int>(best, Inside);
        } else if (slips > 0 && best < Slip) {
            // Against the word's start of the query's length, or one letter longer (a letter
            // left out); one letter too many only against the whole word, as a shorter start
            // would leave the query's last letter unchecked.
            for (int length = query.size() - 1; length <= query.size() + 1; ++length) {
                const bool bFits =
                    length < query.size() ? length == word.size() : length <= word.size();
                if (bFits && distance(query, word.left(length)) <= slips) {
                    best = Slip;
                    break;
                }
            }
        }
    }
    if (best < Initials && matchesInitials(query, words))
        best = Initials;
    return best;
}

int CommandMatcher::score(const QString& query, const QString& path, const QString& description)
{
    const QStringList queryWords = words(query);
    if (queryWords.isEmpty())
        return 1;
    // The last part of the path is the command's own text.
    const int split = path.lastIndexOf(QLatin1Char('>'));
    const QStringList own = words(split < 0 ? path : path.mid(split + 1));
    const QStringList menus = words(split < 0 ? QString() : path.left(split));
    const QStringList all = menus + own;
    const QStringList described = words(description);
    int total = 0;
    for (const QString& word : queryWords) {
        int best = wordScore(word, own, true) + 10;
        // A description is long prose: a slip there would find nearly anything.
        if (best == 10)
            best = std::max(wordScore(word, all, true), wordScore(word, described, false) / 4);
        if (best == 0)
            return 0;
        total += best;
    }
    return total;
}
