#include "shell/strings/game_string.h"

#include <array>
#include <utility>

namespace {

struct TGameStringEntry {
    std::uint16_t Id;
    std::u16string_view Text;
};

constexpr std::array<TGameStringEntry, 10> Messages{{
    {GameStringMonochromeDisplay, u"\"This game\" cannot be played on a monochrome display."},
    {GameStringSixteenColourDisplay,
     u"\"This game\" is designed for a minimum 256-color display. You are running a 16-color "
     u"display. This will adversely affect the appearance of the graphics used in the game. "
     u"Continue anyway?"},
    {GameStringStartLibraryFile, u"QEstart.ac8"},
    {GameStringMainLibraryFile, u"Zorvik.ac8"},
    {GameStringInvalidImageData, u"Display: invalid ImageData"},
    {GameStringUnknownScript, u"Caught an attempt to run an unknown script called \"%s\" (sender = \"%s\")"},
    {GameStringReallyQuit, u"Do you really want to quit the game?"},
    {GameStringFileNotFound, u"Sorry! We cannot find the needed file \"%s\"."},
    {GameStringNilPointer, u"NIL pointer detected"},
    {GameStringSavedGameDamaged, u"Saved game is damaged."},
}};

// Short, common names that fit the big gift tag in the large font.
constexpr std::array<std::u16string_view, GivenNameCount> GivenNames{
    u"Aaron", u"Abby", u"Ada", u"Adam", u"Aiden", u"Alex", u"Alice", u"Amelia", u"Amir", u"Amy",
    u"Andy", u"Anna", u"Annie", u"Archie", u"Ari", u"Arlo", u"Asha", u"Ava", u"Axel", u"Bea",
    u"Bella", u"Ben", u"Benji", u"Beth", u"Billy", u"Bo", u"Bobby", u"Bonnie", u"Brody", u"Bruno",
    u"Caleb", u"Cara", u"Carla", u"Carlos", u"Casey", u"Cathy", u"Charlie", u"Chloe", u"Clara", u"Cleo",
    u"Cody", u"Cole", u"Colin", u"Connor", u"Cora", u"Daisy", u"Dan", u"Dana", u"Daniel", u"Danny",
    u"Darcy", u"Dave", u"David", u"Dean", u"Della", u"Diego", u"Dina", u"Dolly", u"Dora", u"Dylan",
    u"Eddie", u"Eden", u"Eli", u"Eliza", u"Ella", u"Ellie", u"Elsa", u"Emil", u"Emily", u"Emma",
    u"Eric", u"Erin", u"Esme", u"Etta", u"Eva", u"Evan", u"Ezra", u"Faith", u"Fay", u"Felix",
    u"Fern", u"Finn", u"Fiona", u"Flora", u"Frank", u"Freddy", u"Freya", u"Gabe", u"Gemma", u"George",
    u"Gia", u"Gina", u"Grace", u"Greta", u"Gus", u"Hank", u"Hannah", u"Hari", u"Harry", u"Hazel",
    u"Heidi", u"Helen", u"Henry", u"Holly", u"Hugo", u"Ian", u"Ida", u"Iggy", u"Ike", u"Ila",
    u"Imani", u"Ines", u"Iris", u"Isaac", u"Isla", u"Ivan", u"Ivy", u"Jack", u"Jada", u"Jake",
    u"Jamal", u"James", u"Jamie", u"Jane", u"Jasmin", u"Jay", u"Jenna", u"Jess", u"Jill", u"Jimmy",
    u"Joe", u"Joel", u"Johnny", u"Jonah", u"Josh", u"Joy", u"Jude", u"Julia", u"Julie", u"June",
    u"Kai", u"Kara", u"Kate", u"Katie", u"Keira", u"Ken", u"Kenji", u"Kian", u"Kim", u"Kira",
    u"Kit", u"Kofi", u"Kyle", u"Lana", u"Lara", u"Laura", u"Leah", u"Leo", u"Levi", u"Liam",
    u"Lila", u"Lily", u"Lina", u"Linus", u"Lisa", u"Lola", u"Lou", u"Lucas", u"Lucy", u"Luis",
    u"Luke", u"Luna", u"Mabel", u"Mae", u"Maggie", u"Malik", u"Mandy", u"Marco", u"Maria", u"Mark",
    u"Marta", u"Mary", u"Mason", u"Matt", u"Max", u"Maya", u"Meg", u"Mia", u"Mila", u"Milo",
    u"Mina", u"Molly", u"Nadia", u"Nancy", u"Nate", u"Nell", u"Nico", u"Nina", u"Noah", u"Nora",
    u"Olive", u"Ollie", u"Omar", u"Oscar", u"Otto", u"Owen", u"Paige", u"Paul", u"Pearl", u"Penny",
    u"Pete", u"Phoebe", u"Pia", u"Pip", u"Polly", u"Priya", u"Quinn", u"Rafi", u"Rahul", u"Remy",
    u"Rex", u"Rhys", u"Riley", u"Rita", u"Robin", u"Rory", u"Rosa", u"Rose", u"Roy", u"Ruby",
    u"Rudy", u"Ruth", u"Ryan", u"Sadie", u"Sally", u"Sam", u"Sami", u"Sara", u"Scott", u"Seth",
    u"Shay", u"Silas", u"Simon", u"Sofia", u"Stella", u"Sue", u"Sunny", u"Tara", u"Ted", u"Tess",
    u"Theo", u"Tia", u"Tilly", u"Tim", u"Toby", u"Tom", u"Tony", u"Tyler", u"Uma", u"Vera",
    u"Vic", u"Vince", u"Violet", u"Wade", u"Walt", u"Wendy", u"Will", u"Willow", u"Wyatt", u"Xander",
    u"Yara", u"Yusuf", u"Zac", u"Zara", u"Zoe", u"Zoey", u"Abel", u"Ali", u"Bert", u"Cass",
    u"Dale", u"Elsie", u"Fred", u"Gwen", u"Hattie", u"Jules", u"Lenny", u"Mona", u"Ned", u"Pat",
    u"Reggie", u"Sid", u"Tina", u"Ursula", u"Wren", u"Yuki", u"Zeke", u"Nia", u"Rina",
};

}  // namespace

std::u16string GameString(std::uint16_t id) {
    if (id >= FirstGivenName && id < FirstGivenName + GivenNameCount)
        return std::u16string(GivenNames[id - FirstGivenName]);
    for (const TGameStringEntry& entry : Messages)
        if (entry.Id == id) return std::u16string(entry.Text);
    return {};
}

std::u16string FormatGameString(std::uint16_t id, std::initializer_list<std::u16string_view> args) {
    const std::u16string pattern = GameString(id);
    std::u16string result;
    const std::u16string_view* next = args.begin();
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const std::size_t mark = pattern.find(u"%s", pos);
        if (mark == std::u16string::npos) break;
        result.append(pattern, pos, mark - pos);
        if (next != args.end()) result.append(*next++);
        pos = mark + 2;
    }
    if (pos < pattern.size()) result.append(pattern, pos, std::u16string::npos);
    return result;
}
