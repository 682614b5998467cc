#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/fluid_catalogue.h"
#include "parts/fluid_data_frame.h"
#include "ui/application.h"
#include "ui/page_builder.h"

using cf::FluidList;
using cf::lookup;

TEST(FluidCatalogue, ListsHaveTheirEntriesInOrderAndTextsAreUniqueWithinAList) {
    struct Case { FluidList list; std::size_t size; const char* first; const char* last; };
    const Case cases[] = {
        {FluidList::liquids, 25, "Eau ( à 0°C ) ", "Oxygéne ( à -200°C )"},
        {FluidList::gases, 44, "Air ( à -100°C )", "Xénon ( à 100°C )"},
        {FluidList::saturated_steam, 5, "Vapeur saturée à 0°C et 23.368 mb", "Vapeur saturée à 224°C et 25 b"},
    };
    for (const auto& c : cases) {
        const auto entries = cf::fluid_entries(c.list);
        ASSERT_EQ(entries.size(), c.size);
        EXPECT_EQ(entries.front().text, c.first);
        EXPECT_EQ(entries.back().text, c.last);
        std::set<std::string_view> texts;
        for (const auto& e : entries) texts.insert(e.text);
        EXPECT_EQ(texts.size(), c.size);
        EXPECT_EQ(cf::fluid_entry_texts(c.list).size(), c.size);
    }
}

TEST(FluidCatalogue, LookupMatchesExactlyInOneList) {
    struct Case { FluidList list; const char* text; const char* density; const char* dynamic; const char* kinematic; };
    const Case found[] = {
        {FluidList::gases, "Air ( à 0°C )", "1.2754", "17.1", "13.407"},
        {FluidList::saturated_steam, "Vapeur saturée à 100°C et 1013.2 mb", "0.5974", "12.2", "20.422"},
        {FluidList::liquids, "Toluéne ( à 0°C )", "885", "770", "0.870"},
        // The same text in two lists has the values of the list looked in.
        {FluidList::liquids, "Ethane ( à 0°C )", "412", "65", "0.158"},
        {FluidList::gases, "Ethane ( à 0°C )  ", "1.34", "8.6", "6.418"},
        {FluidList::liquids, "Butane ( à 0°C )", "601", "210", "0.349"},
        {FluidList::gases, "Butane ( à 0°C )", "2.59", "6.89", "2.660"},
        // Values are texts, never reformatted.
        {FluidList::gases, "Acide acétique ( à 500 °C)", "0.95", "22.8", "24"},
        {FluidList::gases, "Argon ( à 0°C )", "1.78", "21", "11.780"},
        {FluidList::gases, "Oxygène (à  -150°C )", "3.17", "9.55", "3.0126"},
        {FluidList::liquids, "Métane ( à -150°C ) ", "409", "92", "0.225"},
        {FluidList::saturated_steam, "Vapeur saturée à 50°C et1 23.34 mb", "0.083", "10.02", "120.722"},
    };
    for (const auto& c : found) {
        const auto e = lookup(c.list, c.text);
        ASSERT_TRUE(e) << '"' << c.text << '"';
        EXPECT_EQ(e->density, c.density) << c.text;
        EXPECT_EQ(e->dynamic_viscosity, c.dynamic) << c.text;
        EXPECT_EQ(e->kinematic_viscosity, c.kinematic) << c.text;
    }
    const std::pair<FluidList, const char*> not_found[] = {
        {FluidList::gases, "Ethane ( à 0°C )"},        // without its two trailing blanks
        {FluidList::liquids, "Eau ( à 0°C )"},         // without its trailing blank
        {FluidList::gases, "air ( à 0°C )"},           // case counts
        {FluidList::gases, "Air"},                     // no partial match
        {FluidList::liquids, "Air ( à 0°C )"},         // a gas, looked up among liquids
        {FluidList::gases, "Choix Gaz"},
        {FluidList::liquids, "Choix liquide"},
        {FluidList::saturated_steam, "Choix vapeur saturée"},
        {FluidList::saturated_steam, ""},
    };
    for (const auto& [list, text] : not_found) EXPECT_FALSE(lookup(list, text)) << '"' << text << '"';
}

// The fluid data frame on a host page of its own, with the host's steps recorded.
class FluidDataFrame : public ::testing::Test {
protected:
    FluidDataFrame() {
        app.define_page("host", [this](cf::Page& p) {
            cf::PageBuilder b(p);
            b.frame("fr_host");
            cf::fluid_data_frame::Host host;
            host.on_leave = [this](cf::Page& page) {
                // The frame is already hidden, not yet reset.
                steps += page.visible("Frame_données") ? "leave(open)" : "leave(hidden)";
                steps += "[" + page.text("Combo_masse_volumique") + "]";
            };
            host.on_second_return = [this](cf::Page&) { steps += "second"; };
            cf::fluid_data_frame::add(b, "fr_host", host);
            b.field("txt_after");  // the builder goes on in the host's frame
        });
        app.show("host");
    }
    cf::Page& page() { return app.page("host"); }

    cf::Application app;
    std::string steps;
};

TEST_F(FluidDataFrame, IsAddedHiddenInTheHostsContainer) {
    EXPECT_EQ(page().control("Frame_données").frame, "fr_host");
    EXPECT_FALSE(page().visible("Frame_données"));
    EXPECT_EQ(page().control("txt_after").frame, "fr_host");
    EXPECT_EQ(page().control("Combo_chx_gaz").items, cf::fluid_entry_texts(FluidList::liquids));
    EXPECT_EQ(page().control("Combo_choix_liquide").items, cf::fluid_entry_texts(FluidList::gases));
    EXPECT_EQ(page().control("Combo_vap_saturée").items, cf::fluid_entry_texts(FluidList::saturated_steam));
    EXPECT_TRUE(page().control("Combo_masse_volumique").items.empty());
}

TEST_F(FluidDataFrame, ReturnRunsTheHostsStepBetweenHidingAndResetting) {
    cf::Page& p = page();
    p.set_visible("Frame_données", true);
    p.user_click("Command_chx_gaz");
    p.user_pick("Combo_choix_liquide", "Air ( à 0°C )");
    p.user_click("Command_sortie");
    EXPECT_EQ(steps, "leave(hidden)[1.2754]");
    EXPECT_EQ(p.text("Combo_masse_volumique"), "Kg/m3");
    EXPECT_EQ(p.text("Combo_choix_liquide"), "Choix gaz");
    EXPECT_TRUE(p.visible("Command_chx_gaz"));
    p.user_click("Command_retour5");
    EXPECT_EQ(steps, "leave(hidden)[1.2754]second");
}

