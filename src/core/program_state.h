// Where the program-wide state lives, subsystem by subsystem, and the one
// reset that puts all of it back to how the program starts:
// - the world of play: world/world_state.h (the grid and its simulation
//   state, zombies, blood particles, collectables, player start and door);
// - the graphics: gfx/video.h (surfaces, camera, pixel size, ground colour,
//   the start-up pictures, the door sprite and the shared picture cache);
// - the animations: formats/animation_library.h;
// - the collectables' one bobbing sprite: core/collectables.h;
// - the listeners of game events: world/game_events.h;
// - the game clock's hold (platform/clock.h) and the random generators
//   (world/random.h).
// Level loading empties only the world's level objects (WorldState's
// clearLevel). Driving the wall clock is left to whoever drives it.
#pragma once

// Everything above back to its start; stopping the program, tests and
// benchmarks use it. The game objects (Game, its sprites) must be gone.
void resetProgramState();
