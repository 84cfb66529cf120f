#include "utility_texts.h"

namespace configutil {

const std::array<std::u16string, 11> kHelpTexts{
    u"Welcome to the \"Quorvel!\" configuration utility.",

    u"The other tabs in this window present the configuration options, as follows:\n\n"
    u"Gift - Lets you choose to display a Christmas gift as the first screen of the game (rather than "
    u"going directly to the Elf's Bedroom), and lets you set the name that appears on the gift tag.\n\n"
    u"International - Lets you choose which of the available translations of \"Merry Christmas\" and "
    u"\"Brindle Fennick\" will be used on tags in the gift wrapping area.\n\n"
    u"Presents - Lets you edit the list of names to be used for tags in the gift wrapping area.\n\n"
    u"Printer - Lets you enable the print button for the photo album, and select the printer to use.\n\n"
    u"Multi-user - Look here for information about customizing the game for two or more children.",

    u"Check \"Begin with gift screen\" if you wish each session of \"Quorvel!\" to begin by displaying a "
    u"Christmas gift, which remains in place until \"opened\" by clicking on it to begin the actual game.",

    u"This option is especially recommended if you are giving \"Quorvel!\" as a Christmas present. If you "
    u"don't check \"Begin With Gift Screen\", the game opens in the darkened Elf Bedroom, as the day's "
    u"activities are just about to begin.",

    u"If you have checked \"Begin with gift screen\", the text in the edit box below will appear on the tag "
    u"of the gift. For a natural appearance, keep the text short, e.g. just the name or names of the "
    u"recipient(s).",

    u"\"Quorvel!\" has a gift-wrapping area where the player wraps presents to put under the tree. By "
    u"default, the text on the gift tags (\"Merry Christmas\" and \"Brindle Fennick\") is in a randomly "
    u"chosen language. You can customize this international flavor using the check-boxes and buttons "
    u"below. ",

    u"The names of the gift recipients on the tags in the gift-wrapping area are chosen at random from a "
    u"long list of international names. If you prefer to subsitute your own list of friends, family, or "
    u"other names, edit the list below using the controls provided, and select \"Use Custom List\".",

    u"To save wear, tear and printer ink, the printing options in \"Quorvel!\" are disabled by default. "
    u"Enable them by checking \"Allow Printer Use\". Printing cannot be enabled from within the game "
    u"itself.",

    u"The printers available on your system are listed below. To specify a printer for use by "
    u"\"Quorvel!\", click a printer on the list and select \"Use Selected Printer\". Select \"Use Default "
    u"Printer\" to use the default printer on your system.",

    u"If you want \"Quorvel!\" to use separate options and separate saved game files for two or more "
    u"children, you must create a configuration file for each. You can do this easily in the "
    u"Configuration File Manager (CFM), which opens when you click \"Manage...\" (below). \n\n"
    u"Use the other tabs in this utility to set up the default configuration the way you want it. Then use "
    u"the CFM to create a custom configuration file. To do this, open the CFM and type the user's name "
    u"into the \"New configuration name\" text box. Finally, click the \"Save current configuration as "
    u"new\" button. Repeat these steps for each user. \n\n"
    u"To customize a saved configuration, select it in the list of configurations then click the \"Open "
    u"selected configuration\" button to load it for editing. When you close the CFM you will see that the "
    u"name of the configuration you opened is shown in the title bar of this window. Make any required "
    u"changes on the other tabs, then open the CFM again. Finally, after making sure the correct "
    u"configuration is highlighted in the list, click the \"Save to selected configuration\" button.\n\n"
    u"Every time you create a configuration, a special shortcut is placed on your user Desktop for opening "
    u"\"Quorvel!\" with that configuration loaded.",

    u"See the \"Quorvel!\" Read-Me file for more information about configuring for multiple users.",
};

const std::array<std::u16string, 13> kTagCaptions{
    u"Merry Christmas / Father Christmas (British English)",
    u"Prejeme Vam Vesele Vanoce / Svaty Mikalas (Czechoslovakian)",
    u"Glædelig Jul / Julemanden (Danish)",
    u"Vrolijk Kerstfeest / Sinterklaas (Dutch)",
    u"Merry Christmas / Brindle Fennick (North American English)",
    u"Joyeux Noel / Père Noel (French)",
    u"Froehliche Weihnachten / Brindle Fennick (German)",
    u"Kala Christouyenna / Saint Nicholas (Greek)",
    u"Buone Feste Natalizie / La Befana (Italian)",
    u"God Jul / Julebukk (Norwegian)",
    u"Pozdrevlyayu S Prazdnikom / Babouschka (Russian)",
    u"¡Feliz Navidad! / Balthazar (Spanish)",
    u"God Jul / Tomte (Swedish)",
};

std::u16string LauncherComment(std::u16string_view stem) {
    return u"Play \"Quorvel!\" with the configuration \"" + std::u16string(stem) + u"\"";
}

std::u16string NameProblemText(TConfigNameProblem problem) {
    switch (problem) {
        case TConfigNameProblem::None:
        case TConfigNameProblem::Empty: return {};
        case TConfigNameProblem::Dots: return u"\".\" and \"..\" cannot be names.";
        case TConfigNameProblem::BadCharacter: return u"A name cannot hold / \\ \" or control characters.";
        case TConfigNameProblem::BadText: return u"This name holds a character that cannot be stored.";
        case TConfigNameProblem::TooLong: return u"This name is too long.";
        case TConfigNameProblem::GameSwitch: return u"Nosound, Nomidi and Nowave are the game's switches, not names.";
    }
    return {};
}

const TFileManagerHints kFileManagerHints{
    u"Select from the list a configuration file to open, then click\n"
    u"this button to load it in as the current configuration.",
    u"Click this button to save the current configuration\nunder the name currently selected in the list.",
    u"Click this button to delete the selected configuration\nand its \"Quorvel!\" Desktop shortcut.",
    u"Click this button to rename the selected configuration\nto the name you have entered in the edit box below.",
    u"Click this button to save the current configuration\nunder the name you have entered in the edit box below.",
    u"This button closes the Configuration File Manager window.",
    u"This box lists the \"Quorvel!\"\nconfiguration files available on your computer.",
    u"Enter the new name here for Rename or Save As New",
};

}  // namespace configutil
