#include "app/learn/AllChallenges.hpp"

#include <initializer_list>
#include <utility>

namespace verdeo {
namespace {

struct StepText {
  const char* title;
  const char* description;
  const char* tip;
};

// Numbers the steps from 1 in list order, and gives each step and the challenge a fresh id.
Article challenge(std::string title, std::string description, std::string imageName,
                  std::string duration, std::string difficulty, ChallengeCategory category,
                  std::string introduction, std::initializer_list<StepText> steps,
                  std::vector<std::string> materials, std::vector<std::string> expertTips,
                  std::string timeline) {
  ChallengeContent content{std::move(introduction),
                           {},
                           std::move(expertTips),
                           std::move(materials),
                           std::move(timeline)};
  int number = 0;
  for (const auto& step : steps)
    content.steps.push_back(
        {platform::Uuid::random(), ++number, step.title, step.description, std::string(step.tip)});
  return {platform::Uuid::random(),
          std::move(title),
          std::move(description),
          std::move(imageName),
          std::move(duration),
          std::move(difficulty),
          category,
          std::move(content)};
}

std::vector<Article> makeChallenges() {
  std::vector<Article> challenges;
  challenges.push_back(challenge(
      "Ultimate kitchen herb haven",
      "Grow a productive windowsill garden of fresh culinary herbs that you can harvest every "
      "week in your kitchen.",
      "herb-haven01", "4 weeks", "Beginner", ChallengeCategory::houseplants,
      "Fresh herbs are the most rewarding plants a beginner can grow: they grow fast, smell "
      "wonderful and end up on your plate within weeks. In this challenge you will choose the "
      "right spot and herbs, plant them properly and build a care and harvest routine that keeps "
      "them productive for months.",
      {
          {"Site Assessment",
           "Find the brightest window in or near your kitchen; most culinary herbs need at least "
           "6 hours of direct sun a day. Measure the light with a light-meter app at noon and "
           "aim for 1,000 foot-candles or more. Note drafts and heaters within 1 meter.",
           "A south-facing window is ideal in the northern hemisphere; if you have none, plan "
           "for a grow light."},
          {"Herb Selection",
           "Choose 4 to 6 herbs you actually cook with. Basil, parsley, chives and mint grow "
           "fast from young plants, while rosemary and thyme prefer drier soil and should share "
           "a pot only with each other. Buy healthy plants with no yellow leaves or pests.",
           "Supermarket herb pots hold dozens of seedlings; split them into 3 or 4 clumps so "
           "each one has room to grow."},
          {"Container Preparation",
           "Use pots at least 15 cm wide and deep, each with a drainage hole and a saucer. Fill "
           "them with a light, peat-free potting mix; for rosemary and thyme mix in 30 % perlite "
           "or grit. Moisten the mix before planting so it wets evenly.",
           "Keep mint in its own pot, because its runners will take over any container they "
           "share."},
          {"Planting Technique",
           "Water the young plants an hour before planting. Loosen the root ball gently, set "
           "each plant at the same depth it grew before, and firm the soil around it, leaving 2 "
           "cm between soil and rim. Water thoroughly and let the pots drain for 15 minutes.",
           "Plant in the evening or on a cloudy day so the herbs settle in before facing strong "
           "sun."},
          {"Care Routine",
           "Check the soil every day with a finger: water basil, parsley and chives when the top "
           "2 cm are dry, rosemary and thyme only when the top half is dry. Turn pots a quarter "
           "turn every 3 days, and feed every 2 weeks with a liquid fertilizer at half strength.",
           "Water in the morning so the leaves dry during the day, which helps prevent fungal "
           "disease."},
          {"Harvest & Preservation",
           "Start harvesting when plants are 15 cm tall, taking no more than one third of a "
           "plant at a time. Cut basil and mint just above a pair of leaves so two shoots grow. "
           "Freeze chopped herbs in oil in ice-cube trays, or dry rosemary and thyme in bundles.",
           "Pinch off flower buds as soon as they appear, because flowering makes basil and mint "
           "leaves bitter."},
      },
      {"15 cm pots with drainage holes", "Saucers or a drip tray", "Peat-free potting mix",
       "Perlite or horticultural grit", "Young herb plants", "Balanced liquid fertilizer",
       "Small pruning scissors"},
      {"Cutting basil just above a leaf pair turns one stem into two, doubling its growing tips "
       "within 2 weeks.",
       "Herbs grown with 6 or more hours of sun build far more aromatic oils than the same herbs "
       "grown in shade.",
       "Harvesting in mid-morning, after the dew has dried, gives leaves with the strongest "
       "flavor and aroma.",
       "Rosemary and thyme come from Mediterranean slopes, so let them dry out between waterings "
       "like succulents.",
       "A grow light 20 cm above herbs for 14 hours a day keeps them as productive in winter as "
       "in summer."},
      "Week 1: assess your light, choose your herbs and buy healthy plants. Week 2: prepare the "
      "containers and plant. Week 3: settle into the daily care routine. Week 4: take your first "
      "harvest and preserve the surplus."));
  challenges.push_back(challenge(
      "Organic fresh harvest table",
      "Plan, plant and maintain a small organic vegetable plot or container garden that feeds "
      "your table all summer long.",
      "vegetable-garden01", "8 weeks", "Intermediate", ChallengeCategory::gardening,
      "Growing your own vegetables without synthetic chemicals is easier than it sounds when you "
      "start with healthy soil and a plan. Over eight weeks you will prepare beds, choose "
      "productive varieties, plant on a schedule and keep pests in check the organic way.",
      {
          {"Garden Planning",
           "Pick a spot with at least 6 to 8 hours of direct sun and access to water. Sketch "
           "beds no wider than 1.2 m so you can reach the center without stepping on the soil, "
           "and plan 3 to 4 families of crops to rotate each year.",
           "Put the crops you harvest most often, such as salad and herbs, closest to your "
           "kitchen door."},
          {"Soil Preparation",
           "Remove weeds and loosen the soil to a depth of 20 to 30 cm with a fork. Spread 5 cm "
           "of well-rotted compost or manure and mix it into the top 10 cm. Test the pH: most "
           "vegetables grow best between 6.0 and 7.0.",
           "Never work soil when it is wet enough to stick to your boots, because that destroys "
           "its structure."},
          {"Variety Selection",
           "Choose varieties suited to your climate and space: compact bush beans, cherry "
           "tomatoes, loose-leaf lettuce, radishes and courgettes are productive in small "
           "gardens. Check the days to harvest on each seed packet and favor disease-resistant "
           "varieties.",
           "Radishes are ready in about 4 weeks, so sow a row of them to see early results while "
           "slower crops grow."},
          {"Planting Schedule",
           "Sow lettuce, radishes and peas from 2 to 4 weeks before the last frost. Plant "
           "tomatoes, beans and courgettes outdoors only when nights stay above 10 °C. Sow seeds "
           "at a depth of about 2 to 3 times their width and water gently.",
           "Sow short rows of lettuce and radish every 2 weeks for a steady harvest instead of a "
           "glut."},
          {"Support Systems",
           "Put stakes, cages or trellises in place at planting time, before roots spread. "
           "Tomatoes need stakes 1.5 to 2 m tall, and climbing beans and peas need netting or "
           "poles. Tie stems loosely with soft twine every 20 to 30 cm as they grow.",
           "Installing supports at planting avoids driving a stake through roots that have "
           "already spread."},
          {"Maintenance Routine",
           "Water deeply 2 to 3 times a week rather than a little every day, about 2.5 cm of "
           "water a week in total, at the base of the plants. Mulch with 5 cm of straw to keep "
           "moisture in and weeds down, and feed fruiting crops every 2 weeks with organic "
           "liquid feed.",
           "Water early in the morning so leaves dry quickly and fungal diseases get less chance "
           "to spread."},
          {"Pest Management",
           "Walk the garden every 2 to 3 days and check the undersides of leaves. Pick off "
           "caterpillars and slugs by hand, spray aphids off with water, and cover brassicas "
           "with fine netting. Plant marigolds, calendula and dill to attract ladybirds and "
           "hoverflies.",
           "A few aphids feed the ladybirds that protect your crops, so act only when a colony "
           "keeps growing."},
          {"Harvest Optimization",
           "Harvest in the cool of the morning, when crops are crisp. Pick beans and courgettes "
           "small and often, every 2 to 3 days, which makes the plants produce more. Pull "
           "lettuce leaves from the outside in and clear finished crops at once to sow the next.",
           "Courgettes are tastiest at 15 to 20 cm long; left longer they turn watery and slow "
           "new fruit."},
      },
      {"Garden fork", "Well-rotted compost", "Soil pH test kit", "Vegetable seeds and seedlings",
       "Bamboo stakes 1.5 to 2 m", "Soft garden twine", "Straw mulch", "Organic liquid fertilizer",
       "Fine insect netting"},
      {"Crop rotation over a 3 to 4 year cycle prevents soil-borne diseases and the build-up of "
       "pests in the soil.",
       "Companion planting basil next to tomatoes attracts pollinators and can repel some pests "
       "such as thrips.",
       "A 5 cm layer of organic mulch can cut watering needs by about a third in the height of "
       "summer.",
       "Legumes such as beans and peas fix nitrogen from the air, so grow leafy crops in their "
       "bed the next year.",
       "Succession sowing every 2 weeks is the technique market gardeners use to harvest the "
       "same crop for months."},
      "Weeks 1-2: plan the garden and prepare the soil. Week 3: pick varieties and sow "
      "cool-season crops. Weeks 4-5: plant warm-season crops and add supports. Weeks 6-7: water, "
      "mulch and check for pests. Week 8: harvest and resow."));
  challenges.push_back(challenge(
      "Propagation mastery workshop",
      "Multiply your favorite houseplants for free by learning to take cuttings, root them in "
      "water and move them into soil.",
      "propogation-workshop01", "6 weeks", "Intermediate", ChallengeCategory::propagation,
      "Propagation is how one healthy plant becomes many, and it is the surest way to learn how "
      "plants grow, because you watch new roots form day by day. Over six weeks you will select "
      "the right parent plants, take clean cuttings, root them in water, monitor their progress "
      "and transplant them into soil, ending with young plants established enough to give away.",
      {
          {"Parent Plant Selection",
           "Choose healthy, actively growing parents such as pothos, philodendron, tradescantia "
           "or monstera, with no pests and no yellow leaves. Water them a day before taking "
           "cuttings so the stems are full of water. Spring and early summer give the fastest "
           "rooting.",
           "Cuttings from a stressed or sick plant root slowly, so always start from your "
           "strongest plant."},
          {"Cutting Preparation",
           "Sterilize sharp scissors with rubbing alcohol. Cut stems 10 to 15 cm long just below "
           "a node, the bump where a leaf meets the stem, so that each cutting has 1 to 3 nodes. "
           "Remove the leaves from the lowest node and let aroid cuttings rest for 30 minutes.",
           "Roots grow from the nodes, so a cutting without a node will never root, however long "
           "it waits."},
          {"Water Propagation Setup",
           "Place the cuttings in clear glass jars of room-temperature water, with at least 1 "
           "node under water and no leaves submerged. Put them in bright, indirect light at 20 "
           "to 25 °C. Change the water every 5 to 7 days to keep it fresh.",
           "Clear glass lets you watch the roots grow and spot cloudy water or rot before it "
           "spreads."},
          {"Root Development Monitoring",
           "Check the cuttings every 2 to 3 days. First roots usually appear in 1 to 3 weeks, "
           "depending on the species and the warmth. Remove any cutting whose stem turns soft or "
           "black, and top up the water as it evaporates.",
           "Keep a simple log of dates and root lengths; you will learn which plants root "
           "fastest in your home."},
          {"Soil Transplanting",
           "Move cuttings to soil when their roots are 3 to 5 cm long, before they grow too used "
           "to water. Plant them in 8 to 10 cm pots of moist, airy potting mix with 30 % "
           "perlite, burying the roots and the lowest node about 2 cm deep.",
           "Several cuttings in one pot make a fuller plant much faster than a single cutting on "
           "its own."},
          {"Establishment Care",
           "Keep the soil lightly moist for the first 2 weeks while the water roots adapt to "
           "soil, then water when the top 2 cm are dry. Keep them in bright, indirect light, out "
           "of direct sun. Start feeding at half strength after 4 weeks.",
           "A gentle tug that meets resistance after about 3 weeks tells you the new roots have "
           "taken hold."},
      },
      {"Sharp scissors or pruning snips", "Rubbing alcohol", "Clear glass jars",
       "8 to 10 cm pots with drainage holes", "Airy potting mix", "Perlite",
       "Rooting hormone powder", "Plant labels and a marker"},
      {"Cuttings taken in spring root up to twice as fast as the same cuttings taken in the "
       "short days of winter.",
       "Bottom heat of 21 to 24 °C from a heat mat speeds up rooting for most tropical cuttings.",
       "Dipping a cut end in rooting hormone containing the auxin IBA encourages faster, more "
       "even root formation.",
       "A single node cutting of pothos or philodendron can root and grow a new vine in about 6 "
       "weeks.",
       "Keeping humidity near 70 % with a clear cover stops leafy cuttings losing water before "
       "they have roots."},
      "Week 1: choose the parent plants, take cuttings and set them up in water. Weeks 2-3: "
      "check the water every few days and watch the roots grow. Week 4: transplant rooted "
      "cuttings into soil. Weeks 5-6: keep the soil moist while the young plants settle."));
  challenges.push_back(challenge(
      "Seasonal plant wellness routine",
      "Adjust light, water, humidity and feeding as the seasons turn, so that your plants thrive "
      "all year instead of just surviving.",
      "seasonal-wellness01", "12 weeks", "Advanced", ChallengeCategory::seasonal,
      "Houseplants feel the seasons even indoors: the length of the day, the angle of the sun, "
      "the warmth of the room and the dryness of heated air all change their needs from month to "
      "month. In this twelve-week program you will prepare your collection for winter, manage "
      "humidity and extra light, then wake it up for spring, push summer growth and ease it into "
      "autumn, with a monitoring routine that keeps you ahead.",
      {
          {"Seasonal Assessment",
           "Make a list of every plant with its light, watering and humidity needs. Measure "
           "light at each spot at noon with a light-meter app, and humidity with a hygrometer. "
           "Note which plants are actively growing and which are resting.",
           "Take a photo of each plant at the start, so you can compare its growth at the end of "
           "the 12 weeks."},
          {"Winter Preparation Protocol",
           "As days shorten, move plants 30 to 50 cm closer to windows and away from radiators "
           "and cold glass. Reduce watering by about half, checking the soil before every drink, "
           "and stop fertilizing most plants until early spring. Clean windows to gain light.",
           "Cold glass at night can chill leaves that touch it, so keep foliage at least 10 cm "
           "from the window."},
          {"Humidity Management Systems",
           "Heating can drop indoor humidity below 30 %, while most tropical plants want 50 to "
           "60 %. Group plants together, set pots on trays of wet pebbles, and run a humidifier "
           "for the most demanding ones. Check the hygrometer daily during cold spells.",
           "Misting raises humidity for only a few minutes, so a humidifier or a pebble tray "
           "does far more good."},
          {"Light Supplementation Strategy",
           "Where winter light falls below 500 foot-candles, add full-spectrum LED grow lights "
           "20 to 40 cm above the plants. Run them 12 to 14 hours a day on a timer. Raise or "
           "lower them if leaves bleach or stems stretch.",
           "A simple plug-in timer gives plants a steady day length, which matters to them as "
           "much as brightness."},
          {"Spring Activation Program",
           "When new growth appears in early spring, increase watering gradually and start "
           "feeding at half strength every 4 weeks. Repot plants whose roots fill their pots, "
           "using fresh mix and a pot 2 to 5 cm wider. Prune leggy stems by up to one third.",
           "Wait for the first new leaves before feeding, because fertilizer on a dormant plant "
           "only builds up salts."},
          {"Summer Growth Optimization",
           "Feed every 2 weeks at half strength. Water when the top 2 to 5 cm are dry, which may "
           "mean twice as often as in winter. Shield plants from midday sun in south windows, "
           "and move tough plants outside into shade once nights stay above 12 °C.",
           "Acclimatize plants going outdoors over 10 days, starting with 1 hour of shade a day "
           "and adding more."},
          {"Autumn Transition Planning",
           "Bring outdoor plants inside before nights drop below 10 °C, after checking them and "
           "rinsing off any pests. Taper feeding to every 6 to 8 weeks, reduce watering as "
           "growth slows, and move plants back toward the light as the sun sinks lower.",
           "Quarantine plants that summered outdoors for 2 weeks before they rejoin the rest of "
           "your collection."},
          {"Year-Round Monitoring System",
           "Keep a plant journal or use the app to record watering, feeding and repotting dates. "
           "Inspect every plant once a week for pests, new growth and leaf color, and review "
           "light and humidity each season. Adjust care as soon as a plant shows stress.",
           "A weekly 10-minute check catches most problems while they are still small and easy "
           "to fix."},
      },
      {"Light-meter app", "Digital hygrometer", "Humidifier", "Pebble trays",
       "Full-spectrum LED grow light", "Plug-in timer", "Plant journal"},
      {"Most tropical houseplants slow down when days are shorter than about 11 hours, so cut "
       "water and food then.",
       "Leaf-drop after a move is called acclimatization shock, and it fades within 2 to 4 weeks "
       "in stable conditions.",
       "Day length, not temperature, triggers dormancy in many plants, which is why grow-light "
       "timers work so well.",
       "Grouping plants creates a humid microclimate that can be 5 to 10 % more humid than the "
       "rest of the room.",
       "Repot in the 4 weeks after new spring growth appears, when roots regrow fastest and "
       "recover from damage."},
      "Weeks 1-2: assess your plants and prepare them for winter. Weeks 3-4: set up humidity and "
      "supplementary light. Weeks 5-6: watch winter needs and adjust. Weeks 7-8: wake plants up "
      "for spring and repot. Weeks 9-10: push summer growth. Weeks 11-12: plan for autumn."));
  return challenges;
}

}  // namespace

const std::vector<Article>& allChallenges() {
  // Built once, on first use, and kept until the process ends.
  static const std::vector<Article> challenges = makeChallenges();
  return challenges;
}

}  // namespace verdeo
