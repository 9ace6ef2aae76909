"""A small client of Chromium's DevTools protocol: starts headless Chromium
on a fresh profile, opens one page, sends commands and keeps the console
errors and exceptions the page reports. Serves a folder on 127.0.0.1 too."""

import base64
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

import websocket

CHROMIUM_FLAGS = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--remote-debugging-port=0', '--window-size=1280,1000',
]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class FolderServer:
    """Serves a folder on 127.0.0.1 from a thread, on a free port."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), handler)
        self.url = 'http://127.0.0.1:%d/' % self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """Headless Chromium with one page under DevTools control."""

    def __init__(self, executable='chromium'):
        self.profile = tempfile.mkdtemp(prefix='gorlak-chromium-')
        self.process = subprocess.Popen(
            [executable, *CHROMIUM_FLAGS, '--user-data-dir=' + self.profile, 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port = self._wait_for_port()
        targets = self._wait_for_page(port)
        self.socket = websocket.create_connection(targets['webSocketDebuggerUrl'], timeout=60,
                                                  suppress_origin=True)
        self.next_id = 0
        self.events = []
        self.console_errors = []
        for domain in ('Page', 'Runtime', 'Log'):
            self.send(domain + '.enable')

    def _wait_for_port(self):
        # Chromium writes the port it chose into the profile.
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = time.time() + 30
        while time.time() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError('chromium exited with status %d' % self.process.returncode)
            if os.path.exists(port_file):
                with open(port_file) as f:
                    first = f.readline().strip()
                if first:
                    return int(first)
            time.sleep(0.1)
        raise RuntimeError('chromium did not open its DevTools port')

    @staticmethod
    def _wait_for_page(port):
        deadline = time.time() + 30
        while time.time() < deadline:
            with urllib.request.urlopen('http://127.0.0.1:%d/json/list' % port) as reply:
                pages = [t for t in json.load(reply) if t.get('type') == 'page']
            if pages:
                return pages[0]
            time.sleep(0.1)
        raise RuntimeError('chromium opened no page')

    def _note(self, message):
        method = message.get('method')
        params = message.get('params', {})
        if method == 'Runtime.consoleAPICalled' and params.get('type') in ('error', 'assert'):
            text = ' '.join(str(a.get('value', a.get('description', ''))) for a in params.get('args', []))
            self.console_errors.append('console.error: ' + text)
        elif method == 'Runtime.exceptionThrown':
            details = params.get('exceptionDetails', {})
            text = details.get('exception', {}).get('description') or details.get('text', '')
            self.console_errors.append('exception: ' + text)
        elif method == 'Log.entryAdded' and params.get('entry', {}).get('level') == 'error':
            entry = params['entry']
            self.console_errors.append('log: %s %s' % (entry.get('text', ''), entry.get('url', '')))
        self.events.append(message)

    def send(self, method, **params):
        self.next_id += 1
        wanted = self.next_id
        self.socket.send(json.dumps({'id': wanted, 'method': method, 'params': params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get('id') == wanted:
                if 'error' in message:
                    raise RuntimeError('%s: %s' % (method, message['error']))
                return message.get('result', {})
            self._note(message)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page (awaited)."""
        result = self.send('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError('%s: %s' % (expression, result['exceptionDetails']))
        return result['result'].get('value')

    def wait_for(self, expression, timeout=60.0, poll=0.05):
        """Waits until the expression is true; returns its last value."""
        deadline = time.time() + timeout
        while True:
            value = self.evaluate(expression)
            if value or time.time() > deadline:
                return value
            time.sleep(poll)

    def open(self, url):
        self.send('Page.navigate', url=url)

    def screenshot(self, path):
        data = self.send('Page.captureScreenshot', format='png')['data']
        with open(path, 'wb') as f:
            f.write(base64.b64decode(data))

    def key(self, kind, key, code, key_code):
        """One key event: kind is keyDown or keyUp."""
        self.send('Input.dispatchKeyEvent', type=kind, key=key, code=code,
                  windowsVirtualKeyCode=key_code, nativeVirtualKeyCode=key_code)

    def mouse(self, kind, x, y, button='none', clicks=0):
        """One mouse event at page coordinates: mouseMoved, mousePressed or mouseReleased."""
        self.send('Input.dispatchMouseEvent', type=kind, x=x, y=y, button=button, clickCount=clicks)

    def close(self):
        try:
            self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)
