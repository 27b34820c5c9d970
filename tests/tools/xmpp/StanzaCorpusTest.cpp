// The stanza fuzz target's seed corpus, replayed with its driver, whole and mutated.
#include "FuzzReplay.h"
#include "fuzz/StanzaFuzzDriver.h"

#include <gtest/gtest.h>

TEST(StanzaCorpusTest, TheDriverHoldsForTheCorpusAndItsVariations)
{
    verbalink::test::expectDriverHolds(&verbalink::xmpp::fuzz::driveStanzas,
                                       QStringLiteral(STANZA_CORPUS_DIR), 3000);
}
