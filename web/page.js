// The page around the game: it downloads the code and the content with a
// loading bar, hands the game its canvas and keyboard, enlarges the canvas
// by whole screen pixels, and says so on the page when the game cannot
// start or has ended. Sound may start once the player has clicked the game
// or pressed a key on it; F11 or the button puts the game in full screen.
// window.gorlak keeps what tests and benchmarks read: the state, the frames'
// timing, the game's output lines and the writes to the page's storage.
'use strict';

(function () {
  const files = {
    code: 'gorlak_zombies.js',
    wasm: 'gorlak_zombies.wasm',
    content: 'gorlak_zombies.data',
  };

  const canvas = document.getElementById('screen');
  const stage = document.getElementById('stage');
  const loading = document.getElementById('loading');
  const loadingText = document.getElementById('loading-text');
  const loadingBar = document.getElementById('loading-bar');
  const message = document.getElementById('message');
  const focusHint = document.getElementById('focus-hint');
  const fullScreenButton = document.getElementById('full-screen');
  const options = new URLSearchParams(location.search);
  // A single level played by itself is a test or a benchmark run.
  const levelRun = options.has('level');

  const record = {
    state: 'loading', // then 'running', 'ended' or 'failed'
    status: null,     // the game's exit status once ended
    frames: [],       // [start, work] of each frame, in milliseconds
    output: [],       // lines on standard output
    errors: [],       // lines on standard error
    saves: 0,         // writes of the kept progress to the page's storage
  };
  window.gorlak = record;

  let pixelSize = 4;
  let soundAllowed = false;

  function showMessage(title, detail, againLabel) {
    loading.hidden = true;
    focusHint.hidden = true;
    message.hidden = false;
    document.getElementById('message-title').textContent = title;
    document.getElementById('message-detail').textContent = detail || '';
    document.getElementById('again').textContent = againLabel;
  }

  function fail(title, detail) {
    if (record.state === 'failed') {
      return;
    }
    record.state = 'failed';
    showMessage(title, detail, 'Try again');
  }

  // The largest whole enlargement up to the game's pixel size that fits
  // the window, at least 1; in full screen, the largest that fits the screen.
  function layOut() {
    const fullScreen = document.fullscreenElement === stage;
    const roomX = fullScreen ? stage.clientWidth : document.documentElement.clientWidth - 24;
    const roomY = fullScreen ? stage.clientHeight : window.innerHeight - 80;
    const fit = Math.min(Math.floor(roomX / canvas.width), Math.floor(roomY / canvas.height));
    const scale = Math.max(1, fullScreen ? fit : Math.min(pixelSize, fit));
    stage.style.setProperty('--width', canvas.width * scale + 'px');
    stage.style.setProperty('--height', canvas.height * scale + 'px');
  }

  // The browser lets a page play sound once the player has used it: the
  // first click on the game or key pressed on it lets the game start its
  // sound.
  function allowSound() {
    if (soundAllowed) {
      return;
    }
    soundAllowed = true;
    if (window.Module) {
      Module.gorlakSoundAllowed = true;
      if (record.state === 'running') {
        try {
          Module._gorlak_allow_sound();
        } catch (error) {
          // The game plays on silently.
          Module.printErr('No sound: ' + error);
        }
      }
    }
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen().catch(() => {});
    } else if (stage.requestFullscreen) {
      // A browser that refuses leaves the game as it is.
      stage.requestFullscreen().catch(() => {});
    }
  }

  function onStarted() {
    record.state = 'running';
    loading.hidden = true;
    layOut();
    canvas.focus();
  }

  function onEnded(status) {
    record.status = status;
    if (record.state === 'failed') {
      return;
    }
    if (status !== 0) {
      const title = record.state === 'running' ? 'The game could not go on.' : 'The game could not start.';
      fail(title, record.errors.join('\n'));
      return;
    }
    record.state = 'ended';
    if (!levelRun) {
      showMessage('You left the game.', '', 'Play again');
    }
  }

  // Reads a file with its progress; `progress` hears the bytes so far and
  // the expected total (0 while unknown).
  async function download(url, progress) {
    const response = await fetch(url);
    if (!response.ok) {
      throw new Error(url + ': ' + response.status + ' ' + response.statusText);
    }
    const total = Number(response.headers.get('Content-Length')) || 0;
    progress(0, total);
    if (!response.body) {
      const whole = await response.arrayBuffer();
      progress(whole.byteLength, whole.byteLength);
      return whole;
    }
    const reader = response.body.getReader();
    const parts = [];
    let received = 0;
    for (;;) {
      const { done, value } = await reader.read();
      if (done) {
        break;
      }
      parts.push(value);
      received += value.length;
      progress(received, Math.max(total, received));
    }
    const whole = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
      whole.set(part, at);
      at += part.length;
    }
    return whole.buffer;
  }

  async function downloadAll() {
    const names = Object.keys(files);
    const received = {};
    const totals = {};
    const update = () => {
      const got = names.reduce((sum, n) => sum + (received[n] || 0), 0);
      const all = names.reduce((sum, n) => sum + (totals[n] || 0), 0);
      const share = all > 0 ? got / all : 0;
      loadingBar.style.width = Math.round(share * 100) + '%';
      loadingText.textContent = 'Loading the game… ' + Math.round(got / 1024) + ' KB';
    };
    const buffers = await Promise.all(names.map((name) =>
      download(files[name], (got, total) => {
        received[name] = got;
        totals[name] = total;
        update();
      })));
    const result = {};
    names.forEach((name, i) => { result[name] = buffers[i]; });
    return result;
  }

  function startGame(downloaded) {
    loadingText.textContent = 'Starting…';
    window.Module = {
      canvas: canvas,
      // Sounds are decoded by the game's mixer once sound starts, not at
      // loading, when the browser would not let them play.
      noAudioDecoding: true,
      gorlakSoundAllowed: soundAllowed,
      keyboardListeningElement: canvas,
      arguments: Array.from(options, ([key, value]) => key + '=' + value),
      print: (line) => {
        record.output.push(line);
        console.log(line);
      },
      printErr: (line) => {
        record.errors.push(line);
        console.warn(line);
      },
      setStatus: () => {},
      getPreloadedPackage: () => downloaded.content,
      instantiateWasm: (imports, receive) => {
        WebAssembly.instantiate(downloaded.wasm, imports).then(
          (result) => receive(result.instance, result.module),
          (error) => fail('The game could not start.', String(error)));
        return {};
      },
      onAbort: (what) => fail('The game stopped.', String(what)),
      gorlakSetPixelSize: (size) => {
        pixelSize = size;
      },
      gorlakStarted: onStarted,
      gorlakFrameRan: (start, work) => {
        record.frames.push([start, work]);
        // A long game keeps only its recent frames.
        if (!levelRun && record.frames.length > 20000) {
          record.frames.splice(0, 10000);
        }
      },
      gorlakEnded: onEnded,
      gorlakStorageSaved: () => {
        record.saves += 1;
      },
    };
    const script = document.createElement('script');
    script.src = URL.createObjectURL(new Blob([downloaded.code], { type: 'text/javascript' }));
    script.onerror = () => fail('The game could not start.', files.code + ' would not run.');
    document.body.appendChild(script);
  }

  // The canvas takes the keyboard when clicked; keys held as it loses it
  // are let go, as when the window loses focus.
  // F11 is the page's: the game never hears it.
  function fullScreenKey(event) {
    if (event.key === 'F11') {
      event.preventDefault();
      event.stopImmediatePropagation();
      if (event.type === 'keydown' && !event.repeat) {
        toggleFullScreen();
      }
    }
  }
  canvas.addEventListener('keydown', fullScreenKey, true);
  canvas.addEventListener('keyup', fullScreenKey, true);
  canvas.addEventListener('mousedown', () => canvas.focus());
  for (const kind of ['mousedown', 'keydown', 'touchstart']) {
    canvas.addEventListener(kind, allowSound);
  }
  fullScreenButton.addEventListener('click', () => {
    toggleFullScreen();
    canvas.focus();
  });
  document.addEventListener('fullscreenchange', layOut);
  canvas.addEventListener('focus', () => {
    focusHint.hidden = true;
  });
  canvas.addEventListener('blur', () => {
    if (record.state === 'running') {
      focusHint.hidden = false;
      window.dispatchEvent(new FocusEvent('blur'));
    }
  });
  canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  document.getElementById('again').addEventListener('click', () => location.reload());
  window.addEventListener('resize', layOut);
  window.addEventListener('error', (event) => fail('The game stopped.', String(event.message)));
  window.addEventListener('unhandledrejection', (event) => fail('The game stopped.', String(event.reason)));

  layOut();
  if (typeof WebAssembly !== 'object' || typeof fetch !== 'function') {
    fail('This browser cannot run the game.', 'It needs WebAssembly; a current Firefox, Chrome or Safari has it.');
    return;
  }
  downloadAll().then(startGame, (error) => fail('The game could not be loaded.', String(error.message || error)));
})();
