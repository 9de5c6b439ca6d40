// The catalogue of the game natives the plug-in calls: one named constant per native, its
// 64-bit hash, with its arguments and result beside it. The plug-in calls them through
// native::call (host/native_call.h); the simulated world, the unit tests' fake game and the
// benchmarks' null host answer them by these same names, so a native is added here once.
//
// Argument and result kinds are those of the call builder: ints, floats, bools, texts and
// out-pointers; "->" gives the result, none when nothing is read back. Handles (player, ped,
// entity, vehicle) are ints; a handle of nothing is 0.
#pragma once

#include <cstdint>

namespace velquist::natives {

// [SECTION] Player and ped
inline constexpr uint64_t playerId = 0x4F8644AF03D0E0D6;     // () -> player index
inline constexpr uint64_t playerPedId = 0xD80958FC74E988A6;  // () -> the player's ped
// (player index) -> bool: the player can control their character
inline constexpr uint64_t isPlayerControlOn = 0x49C32D60007AFA47;
// (player index, bool at arresting) -> bool
inline constexpr uint64_t isPlayerBeingArrested = 0x388A47C51ABDAC8E;
inline constexpr uint64_t doesEntityExist = 0x7239B21A38F536BA;  // (entity) -> bool
inline constexpr uint64_t isEntityDead = 0x5F9532F3B5CC2551;     // (entity) -> bool
// (ped) -> bool: the ped has the phone out
inline constexpr uint64_t isPedRunningPhoneTask = 0x2AFE52F782F25775;
// (ped, bool counting a vehicle being got into) -> bool
inline constexpr uint64_t isPedInAnyVehicle = 0x997ABD671D25CA0B;
// (ped) -> the vehicle the ped sits in or is getting into, 0 for none
inline constexpr uint64_t vehiclePedIsUsing = 0x6094AD011A2EA87D;
// (vehicle, seat: -1 the driver's, 0 the first passenger's) -> the ped there, 0 for none
inline constexpr uint64_t pedInVehicleSeat = 0xBB40DD2270B65366;

// [SECTION] Vehicle and model
inline constexpr uint64_t entityModel = 0x9F47B058362C84B5;  // (entity) -> model hash
// (model hash) -> text: the model's display-name label, null for none
inline constexpr uint64_t displayNameOfModel = 0xB215AAC32D25D019;
inline constexpr uint64_t vehicleClass = 0x29439776AAA00A62;  // (vehicle) -> game class
inline constexpr uint64_t entitySpeed = 0xD5037BA82E12416F;   // (entity) -> float, m/s
// (entity, bool in the entity's own terms) -> vector, m/s
inline constexpr uint64_t entitySpeedVector = 0x9A8D700A51CB7B0D;
inline constexpr uint64_t isEngineRunning = 0xAE31E7DF9B5B132E;  // (vehicle) -> bool
// (vehicle) -> float: 1000 new, below 0 damaged, -4000 destroyed
inline constexpr uint64_t engineHealth = 0xC45D23BAF168AAB8;
// (vehicle, int* r, int* g, int* b): the custom primary colour, 0..255, through the pointers
inline constexpr uint64_t customPrimaryColour = 0xB64CF2CCA9D95F52;

// [SECTION] Decorators (values other mods attach to an entity by name)
inline constexpr uint64_t decoratorExists = 0x05661B80A8C9165F;  // (entity, name) -> bool
inline constexpr uint64_t decoratorFloat = 0x6524A2F114706F43;   // (entity, name) -> float
inline constexpr uint64_t decoratorInt = 0xA06C969B02A97298;     // (entity, name) -> int

// [SECTION] Controls (pad and control group 2 are the player's)
inline constexpr uint64_t isControlPressed = 0xF3A21BCD95725A4A;  // (pad, control) -> bool
inline constexpr uint64_t isControlEnabled = 0x1CEA6BFDF248E5D9;  // (group, control) -> bool
// (group, control, bool disable) -> int: switches the control off for this frame
inline constexpr uint64_t disableControlAction = 0xFE99B66D079CF6BC;

// [SECTION] Camera, game HUD and clock
inline constexpr uint64_t vehicleCamViewMode = 0xA4FF579AC0E3AAAE;  // () -> 4 first person
// (component) -> bool: that part of the game's own HUD is on screen
inline constexpr uint64_t isHudComponentActive = 0xBC4C9EA5391ECC0D;
inline constexpr uint64_t clockHours = 0x25223CA6B4D20B7F;    // () -> 0..23, in-game
inline constexpr uint64_t clockMinutes = 0x13D2B8ADD79640F2;  // () -> 0..59, in-game

// [SECTION] Screen
// (bool physical) -> float: width / height of the screen
inline constexpr uint64_t aspectRatio = 0xF1307EF624A80D87;
// (int* width, int* height): the resolution in pixels, through the pointers
inline constexpr uint64_t activeScreenResolution = 0x873C9F3104101DD3;

// [SECTION] Display text: properties first, then begin, components, end
inline constexpr uint64_t setTextFont = 0x66E0276CC5F6B9DA;  // (font)
// (float unused, float scale): the first is ignored by the game
inline constexpr uint64_t setTextScale = 0x07C837F9A01C34C9;
inline constexpr uint64_t setTextColour = 0xBE6B23FFA53FB442;  // (r, g, b, a), 0..255
inline constexpr uint64_t setTextCentre = 0xC02F4DBFB51D988B;  // (bool centred on x)
// (distance, r, g, b, a): all 0 draws no shadow
inline constexpr uint64_t setTextDropShadow = 0x465C84BC39F1C351;
// (width, r, g, b, a): all 0 draws no edge
inline constexpr uint64_t setTextEdge = 0x441603240D202FA6;
inline constexpr uint64_t beginDisplayText = 0x25FBB336DF1804CB;  // (text kind, "STRING")
// (text): appended to the text begun; also for notifications and subtitles
inline constexpr uint64_t addTextComponent = 0x6C188BE134E074AA;
// (float x, float y): draws the text at that screen fraction, this frame
inline constexpr uint64_t endDisplayText = 0xCD015E5BB0D96A57;

// [SECTION] Drawing, sounds, feed and subtitles
// (float centre x, centre y, width, height, int r, g, b, a): a rectangle this frame,
// screen fractions and 0..255
inline constexpr uint64_t drawRect = 0x3A618A217E5154F0;
// (int sound id, -1 for a new one; text name; text sound set; bool): a menu sound
inline constexpr uint64_t playSoundFrontend = 0x67C540AA08E4A6F5;
inline constexpr uint64_t beginNotification = 0x202709F4C58A0424;  // (text kind, "STRING")
// (bool blink, bool) -> int: posts the text begun to the feed; the notification's id
inline constexpr uint64_t endNotification = 0x2ED7843F8F801023;
inline constexpr uint64_t beginSubtitle = 0xB87A37EEB7FAA67D;  // (text kind, "STRING")
// (int ms, bool at once): shows the text begun as a subtitle for ms
inline constexpr uint64_t endSubtitle = 0x9D77056A530643F6;

}  // namespace velquist::natives
