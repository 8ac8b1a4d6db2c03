#!/usr/bin/env python3
"""Drives Varcanto over the accessibility bus, as a screen reader or UI
automation would: logs in, opens the register of the current year through the
start menu and the year menu, types an entry into edits found by their labels,
saves it, and checks the card is in the archive.

Run it with a session bus and a screen, for example:
    tools/a11y_register_entry.sh build
"""
import datetime
import os
import subprocess
import sys
import time

import pyatspi

HOME = os.environ["VARCANTO_HOME"]
YEAR = datetime.date.today().year


def wait_for(find, what, timeout=20.0):
    end = time.time() + timeout
    while time.time() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit("not found: " + what)


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        child = desktop.getChildAtIndex(i)
        if child is not None and child.name == "varcanto":
            return child
    return None


def find(root, name, roles, showing=True):
    """The first control with that accessible name and one of the roles."""
    def match(node):
        try:
            if node.name != name or node.getRole() not in roles:
                return False
            return not showing or node.getState().contains(pyatspi.STATE_SHOWING)
        except Exception:
            return False
    return pyatspi.findDescendant(root, match, True)


BUTTON = (pyatspi.ROLE_PUSH_BUTTON,)
EDIT = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_ENTRY)


def press(name):
    button = wait_for(lambda: find(app(), name, BUTTON), "button " + name)
    button.queryAction().doAction(0)
    time.sleep(0.5)


def type_into(label, text):
    edit = wait_for(lambda: find(app(), label, EDIT), "edit " + label)
    edit.queryEditableText().setTextContents(text)


def main():
    proc = subprocess.Popen([os.path.join(HOME, "varcanto")], cwd=HOME)
    try:
        wait_for(app, "the program on the accessibility bus")
        type_into("Immetti la password e premi OK.", "varcanto")
        press("OK")
        press("Ingressi e Uscite Veicoli")
        press("Apri")
        type_into("Registrato da:", "Portineria Nord")
        type_into("Marca e modello veicolo:", "Fiat Ducato")
        type_into("Targa:", "AB123CD")
        press("Salva")
        press("OK")  # "La scheda corrente è stata inserita in archivio."
    finally:
        proc.terminate()
        proc.wait(10)
    archive = os.path.join(HOME, "%d.vis" % YEAR)
    data = open(archive, "rb").read()
    if len(data) != 1366 or b"AB123CD" not in data or b"Fiat Ducato" not in data:
        sys.exit("the card is not in " + archive)
    print("card saved through the accessibility bus:", archive)


if __name__ == "__main__":
    main()
