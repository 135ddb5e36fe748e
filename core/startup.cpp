#include "core/startup.h"

#include "audio/sound_system.h"
#include "core/composite_factory.h"
#include "core/frame_rate_controller.h"
#include "core/game_object.h"
#include "core/message_center.h"
#include "core/message_prototypes.h"
#include "core/random.h"
#include "core/system_manager.h"
#include "flow/action_manager.h"
#include "flow/game_state_manager.h"
#include "graph/ai_manager.h"
#include "graph/node_registry.h"
#include "graphics/font_manager.h"
#include "graphics/game_window.h"
#include "graphics/graphic_gl.h"
#include "graphics/particle_manager.h"
#include "graphics/texture_manager.h"
#include "input/input_manager.h"
#include "input/mouse_position.h"
#include "physics/physics.h"
#include "platform/platform.h"

namespace {

constexpr int kLogicalWidth = 1280;
constexpr int kLogicalHeight = 720;

void ShowFirstPicture(GameWindow& window, const GraphicGL& renderer) {
    renderer.BeginFrame();
    window.Update(0.0);
}

}  // namespace

bool StartUp() {
    auto* window = new GameWindow();
    if (!window->Init()) {
        delete window;
        return false;
    }
    auto* renderer = new GraphicGL();
    if (!renderer->Init()) {
        delete renderer;
        delete window;
        return false;
    }
    ShowFirstPicture(*window, *renderer);
    renderer->logicalWidth = kLogicalWidth;
    renderer->logicalHeight = kLogicalHeight;
    window->FitView(*renderer);

    auto* input = new InputManager();
    if (!input->Init()) {
        delete input;
        delete renderer;
        delete window;
        return false;
    }

    auto* physics = new Physics();
    auto* fonts = new FontManager();
    auto* actions = new ActionManager();
    auto* ai = new AI_Manager();
    auto* particles = new ParticleManager();
    auto* factory = new CompositeFactory();

    SystemManager& systems = SystemManager::GetInstance();
    systems.AddSystem(renderer);
    systems.AddSystem(window);
    systems.AddSystem(physics);
    // Before any node is made: action messages take their action from it when constructed.
    systems.AddSystem(actions);
    systems.AddSystem(input);
    systems.AddSystem(fonts);
    systems.AddSystem(ai);
    systems.AddSystem(particles);
    systems.AddSystem(factory);

    platform::Current().GetDisplay().ShowCursor(false);
    GameStateManager::RegisterListener();
    factory->Init();
    StartGraphEngine(*ai);
    // Before any level is read: it registers the "Particle" component.
    particles->Init();
    SeedRandomFromClock();
    // Without the text program no menu could be read.
    if (!fonts->Init()) return false;
    if (!window->isFullScreen) window->SetFullScreen(true);
    return true;
}

void StartGraphEngine(AI_Manager& ai) {
    GameObject::LoadTypes();
    ai.Init();
    RegisterAllNodes();
    GameStateManager::BuildStateNames();
    ai.objectMaps = &GameStateManager::Instance().objectMaps;
}

int RunGame() {
    if (!StartUp()) return -1;
    const int exitCode = SystemManager::GetInstance().Run();
    // The sound list is rewritten and the sounds released here, while the sound device and
    // SDL are still up, not in a destructor after main has returned.
    SoundSystem::Shutdown();
    // Messages, prototypes and registries go now, in a known order, rather than in static
    // destructors that would run after the systems they point into.
    ResetEngine();
    return exitCode;
}

void ResetEngine() {
    SystemManager::GetInstance().Reset();
    // Prototypes may hold message clones: gone before the message centre is reset.
    FreeNodePrototypes();
    SoundSystem::Discard();
    GameStateManager::ResetAll();
    TextureManager::Destroy();
    Physics::ResetShared();
    MessageCenter::GetInstance().Reset();
    MessagePrototypes::GetInstance().Reset();
    FrameRateController::GetInstance().Reset();
    // A fresh engine draws the same random numbers as the last fresh one.
    ResetRandom();
    MousePosition() = MousePositionData{};
    GameObjectTypes().clear();
}
